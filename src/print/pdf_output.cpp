#include "pdf_output.h"

#include "painter_surface.h"
#include "print_dispatch.h"
#include "sheet_fonts.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

namespace mirune {

using namespace Qt::StringLiterals;

std::optional<PaperSize> fncPaperSize(QStringView name) {
    if (name.compare(u"A4", Qt::CaseInsensitive) == 0)
        return PaperSize::A4;
    if (name.compare(u"B4", Qt::CaseInsensitive) == 0)
        return PaperSize::B4;
    if (name.compare(u"A3", Qt::CaseInsensitive) == 0)
        return PaperSize::A3;
    return std::nullopt;
}

QPageSize fncPageSize(PaperSize paper) {
    switch (paper) {
    case PaperSize::B4:
        return QPageSize(QPageSize::JisB4);
    case PaperSize::A3:
        return QPageSize(QPageSize::A3);
    case PaperSize::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout fncSheetPageLayout(PaperSize paper) {
    const QMarginsF margins(kPrintableMarginMm, kPrintableMarginMm, kPrintableMarginMm,
                            kPrintableMarginMm);
    return QPageLayout(fncPageSize(paper), QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

void subSetUpSheetDevice(QPagedPaintDevice &device, PaperSize paper) {
    device.setPageLayout(fncSheetPageLayout(paper));
    // A printer draws the differences in their colours and keeps to the printable area.
    if (auto *printer = dynamic_cast<QPrinter *>(&device)) {
        printer->setColorMode(QPrinter::Color);
        printer->setFullPage(false);
    }
}

namespace {

// What must hold before anything is drawn; empty when all is well.
PdfResult fncCheckPrintable(const AppState &state, const QList<int> &options) {
    if (state.intYear == 0)
        return {PdfResult::Status::NothingToPrint, kNothingToPrintMessage.toString()};
    if (options.isEmpty())
        return {PdfResult::Status::Failed, u"印刷する用紙が選ばれていません。"_s};
    for (int option : options)
        if (option < 0 || option >= kPrintOptionCount)
            return {PdfResult::Status::Failed,
                    u"用紙の番号（%1）が0～%2の範囲にありません。"_s.arg(option).arg(
                        kPrintOptionCount - 1)};
    if (const QString fontProblem = fncCheckSheetFonts(); !fontProblem.isEmpty())
        return {PdfResult::Status::Failed, fontProblem};
    return {};
}

// Draws onto the writer; the problem met, empty when none. The notices of sheets scaled down
// go to `notices`.
QString fncDrawPdf(const AppState &state, const QList<int> &options, QPdfWriter &writer,
                   PaperSize paper, const PaperFit &fit, const QDate &today, QStringList &notices) {
    writer.setResolution(kPdfResolution);
    writer.setCreator(u"ミルネ2002"_s);
    writer.setTitle(options.size() == 1 ? printOptions()[options.first()].caption.toString()
                                        : u"ミルネ2002"_s);
    subSetUpSheetDevice(writer, paper);

    PainterSurface surface(writer, int(options.size()));
    notices = subDrawSheetsOnPaper(state, options, surface, writer.pageLayout(), fit, today);
    if (!surface.errorString().isEmpty())
        return surface.errorString();
    if (!surface.isFinished())
        return u"文書を最後まで作れませんでした。"_s;
    return QString();
}

} // namespace

PdfResult writeSheetsPdf(const AppState &state, const QList<int> &options, QIODevice &device,
                         PaperSize paper, const PaperFit &fit, const QDate &today) {
    if (PdfResult check = fncCheckPrintable(state, options); !check.ok())
        return check;
    QString problem;
    QStringList notices;
    {
        QPdfWriter writer(&device);
        problem = fncDrawPdf(state, options, writer, paper, fit, today, notices);
    }
    if (!problem.isEmpty())
        return {PdfResult::Status::Failed, problem};
    return {PdfResult::Status::Written, QString(), notices};
}

PdfResult writeSheetsPdf(const AppState &state, const QList<int> &options, const QString &path,
                         PaperSize paper, const PaperFit &fit, const QDate &today) {
    if (PdfResult check = fncCheckPrintable(state, options); !check.ok())
        return check;
    QStringList notices;
    PdfResult result = writePdfSafely(path, [&](QPdfWriter &writer) {
        return fncDrawPdf(state, options, writer, paper, fit, today, notices);
    });
    if (result.ok())
        result.notices = notices;
    return result;
}

} // namespace mirune
