#include "placed_sheets.h"

#include "recording_surface.h"

namespace mirune {

MeasuredSheet fncMeasureSheet(const AppState &state, const PrintOption &option,
                              const QDate &today) {
    RecordingSurface recording;
    subDrawSheet(state, option, recording, today);
    MeasuredSheet sheet;
    if (!recording.orientations().isEmpty())
        sheet.orientation = recording.orientations().last();
    sheet.extent = recording.extent();
    return sheet;
}

SheetPlacement fncPlaceOnPaper(const MeasuredSheet &sheet, const QPageLayout &layout,
                               const PaperFit &fit) {
    return fncPlaceSheet(sheet.extent, fncPrintableTwips(layout, sheet.orientation),
                         fit.fitToPaper);
}

QStringList subDrawSheetsOnPaper(const AppState &state, const QList<int> &options,
                                 PainterSurface &surface, const QPageLayout &layout,
                                 const PaperFit &fit, const QDate &today) {
    QStringList notices;
    for (int index : options) {
        const PrintOption &option = printOptions()[index];
        const SheetPlacement placement =
            fncPlaceOnPaper(fncMeasureSheet(state, option, today), layout, fit);
        if (!fit.fitToPaper && placement.scale < 1)
            notices.append(fncShrinkNotice(option.caption, placement.scale));
        surface.setPlacement(placement);
        subDrawSheet(state, option, surface, today);
    }
    return notices;
}

} // namespace mirune
