#include "sheet_output.h"

#include "print/painter_surface.h"
#include "print/pdf_output.h"
#include "print/placed_sheets.h"
#include "print/print_dispatch.h"
#include "print/sheet_fonts.h"

#include <QPrinter>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// The paper of the page set-up among those the PDF output knows; A4 for any other.
PaperSize fncPaperOf(const QPrinter &printer) {
    switch (printer.pageLayout().pageSize().id()) {
    case QPageSize::A3:
        return PaperSize::A3;
    case QPageSize::JisB4:
    case QPageSize::B4:
        return PaperSize::B4;
    default:
        return PaperSize::A4;
    }
}

} // namespace

SheetOutputResult subPrintSheet(const AppState &state, int option, QPrinter &printer,
                                const SheetOutputOptions &options) {
    if (option < 0 || option >= kPrintOptionCount)
        return {false, u"印刷する表が選ばれていません。"_s, {}};
    // A missing font would draw nothing legible; say so before the printer gets a page.
    if (const QString fontProblem = fncCheckSheetFonts(); !fontProblem.isEmpty())
        return {false, fontProblem, {}};
    printer.setColorMode(QPrinter::Color);
    PainterSurface surface(printer, 1);
    const QStringList notices = subDrawSheetsOnPaper(state, {option}, surface, printer.pageLayout(),
                                                     PaperFit{options.fitToPaper}, options.today);
    if (!surface.errorString().isEmpty())
        return {false, surface.errorString(), {}};
    if (!surface.isFinished())
        return {false, u"印刷を最後まで終えられませんでした。"_s, {}};
    return {true, {}, notices};
}

SheetOutputResult subSaveSheetPdf(const AppState &state, int option, const QString &path,
                                  const QPrinter &pageSetup, const SheetOutputOptions &options) {
    const PdfResult result = writeSheetsPdf(state, {option}, path, fncPaperOf(pageSetup),
                                            PaperFit{options.fitToPaper}, options.today);
    if (!result.ok())
        return {false, result.message, {}};
    return {true, {}, result.notices};
}

} // namespace mirune::ui
