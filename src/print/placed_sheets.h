#pragma once

// Sheets on real paper: each sheet is drawn once on a recording surface to learn how far it
// reaches, placed on the printable area of the paper, then drawn on the page.

#include "model/app_state.h"
#include "painter_surface.h"
#include "print_dispatch.h"
#include "sheet_placement.h"

#include <QList>
#include <QPageLayout>
#include <QStringList>

namespace mirune {

// How the sheets go onto the paper; the print window's "用紙に合わせる" and `print --fit`.
struct PaperFit {
    bool fitToPaper = false; // scale every sheet to fill the printable area, centred
};

// The sheet's orientation and the box of everything it draws.
struct MeasuredSheet {
    PageOrientation orientation = PageOrientation::Portrait;
    SheetExtent extent;
};

// Draws the sheet on a recording surface and reports what it drew. The year and term sheets
// refresh the actual totals on the way, as drawing them does. `today` is the month sheet's day
// (subDrawSheet).
MeasuredSheet fncMeasureSheet(const AppState &state, const PrintOption &option,
                              const QDate &today = QDate());

// Where the sheet goes on paper of this page set-up.
SheetPlacement fncPlaceOnPaper(const MeasuredSheet &sheet, const QPageLayout &layout,
                               const PaperFit &fit);

// Draws the sheets of the options (valid indexes) on the surface, one page each, each placed on
// the paper of `layout`. Returns a notice (fncShrinkNotice) for each sheet that was scaled
// down to stay whole on the paper without fitToPaper having been asked for.
QStringList subDrawSheetsOnPaper(const AppState &state, const QList<int> &options,
                                 PainterSurface &surface, const QPageLayout &layout,
                                 const PaperFit &fit, const QDate &today = QDate());

} // namespace mirune
