#pragma once

// One sheet of the print selection onto the printer, into a preview or into a PDF file. No
// widgets: the window asks the dialogs and shows what these report.

#include "model/app_state.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QPrinter;

namespace mirune::ui {

struct SheetOutputResult {
    bool ok = true;
    QString problem;     // what went wrong, when not ok
    QStringList notices; // said of a sheet scaled down to stay whole on the paper
};

// How the sheet goes onto the paper.
struct SheetOutputOptions {
    bool fitToPaper = false; // scale the sheet to fill the printable area
    QDate today;             // the month sheet's day; invalid: the real today
};

// Draws the sheet of print option `option` (0..9) on the printer as one page, placed on the paper
// and inside the margins of the printer's page set-up: scaled down whole when it would run past
// them, scaled to fill them when asked. The caller has refused when no class is set up.
SheetOutputResult subPrintSheet(const AppState &state, int option, QPrinter &printer,
                                const SheetOutputOptions &options = {});

// Writes the sheet of print option `option` as a one-page PDF at `path`, on the paper of the
// printer's page set-up (A4, B4 or A3; A4 for any other), placed as on the printer; the file is
// replaced only when the whole document was written.
SheetOutputResult subSaveSheetPdf(const AppState &state, int option, const QString &path,
                                  const QPrinter &pageSetup,
                                  const SheetOutputOptions &options = {});

} // namespace mirune::ui
