#pragma once

// Sheets into a PDF file, for the command line and for saving a sheet instead of printing it.

#include "model/app_state.h"
#include "pdf_file_write.h"
#include "placed_sheets.h"

#include <QDate>
#include <QIODevice>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace mirune {

enum class PaperSize { A4, B4, A3 };

// "A4", "B4" or "A3" (B4 is the Japanese B4 of school copiers, 257 × 364 mm).
std::optional<PaperSize> fncPaperSize(QStringView name);
QPageSize fncPageSize(PaperSize paper);

// The margin around the printable area: small enough that the widest sheet (the year sheet,
// landscape) and the tallest (the weekly sheet, portrait) fit on A4.
inline constexpr qreal kPrintableMarginMm = 5.0;

// The paper with the printable-area margins, portrait; each sheet turns it to its orientation.
QPageLayout fncSheetPageLayout(PaperSize paper);

// Puts the paper and the printable-area margins on a printer or PDF writer (a printer also
// prints in colour). Where each sheet goes on that paper is for subDrawSheetsOnPaper.
void subSetUpSheetDevice(QPagedPaintDevice &device, PaperSize paper);

// PDF resolution: a printer's, so that line widths in dots come out as on paper.
inline constexpr int kPdfResolution = 600;

// Draws the sheets of the given print options (0..9), one page each in the order given, into a
// PDF file at `path`, through writePdfSafely: the file is replaced only when the whole document
// was written.
// The year and term sheets refresh the actual totals of the state, as printing does. A sheet
// that runs past the printable area is scaled down whole, and said so in the result's notices;
// with fit.fitToPaper every sheet fills it. The month sheet takes its pace on `today` (an
// invalid date: the real today).
PdfResult writeSheetsPdf(const AppState &state, const QList<int> &options, const QString &path,
                         PaperSize paper = PaperSize::A4, const PaperFit &fit = {},
                         const QDate &today = QDate());

// The same into an open device; what was written is left to the caller when it fails.
PdfResult writeSheetsPdf(const AppState &state, const QList<int> &options, QIODevice &device,
                         PaperSize paper = PaperSize::A4, const PaperFit &fit = {},
                         const QDate &today = QDate());

} // namespace mirune
