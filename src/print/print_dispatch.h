#pragma once

// The print selection: its ten options, and what pressing the print button does with the
// chosen one.

#include "model/app_state.h"
#include "page_surface.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <functional>

namespace mirune {

enum class SheetRoutine { Year, SeasonTimeChart, SeasonTotal, WeekPlan, Months };

// One option of the print selection window, top to bottom.
struct PrintOption {
    QStringView caption; // the option button's caption
    QStringView key;     // the sheet's name on the command line and in file names
    SheetRoutine routine;
    int argument; // intSeason 1..3 for the term sheets, intWeekPlan 0/1 for the weekly sheet
};

inline constexpr int kPrintOptionCount = 10;

// The ten options in their window order; option 0 is selected when the window first opens.
const std::array<PrintOption, kPrintOptionCount> &printOptions();

// The option whose key is `key`, or -1.
int fncPrintOptionIndex(QStringView key);

// The window's caption and button captions.
inline constexpr QStringView kPrintWindowCaption = u"印刷する表を選んでください";
inline constexpr QStringView kPrintButtonCaption = u"印刷";
inline constexpr QStringView kPrintCloseCaption = u"閉じる";

// Shown instead of printing while no class is set up.
inline constexpr QStringView kNothingToPrintMessage = u"印刷するデータがありません。";

enum class PrintOutcome {
    Printed,
    NothingToPrint, // no school year set up: the refusal message is due, nothing was drawn
    Cancelled,      // the printer dialog was cancelled: nothing was drawn
    NoSuchOption,   // the index is not an option: nothing happens
};

// Shows the printer dialog before a sheet; false when the user cancels it.
using PrinterDialogHook = std::function<bool()>;

// Draws the sheet of one option as the print button does: refuses while intYear is 0 (before
// any dialog), then shows the printer dialog if there is a hook, then draws the sheet. `today`
// is the day the month sheet takes the pace on; an invalid date stands for the real today.
PrintOutcome subPrintOption(const AppState &state, int option, PageSurface &surface,
                            const PrinterDialogHook &printerDialog = {},
                            const QDate &today = QDate());

// Only the drawing: the routine of the option with its argument, no checks.
void subDrawSheet(const AppState &state, const PrintOption &option, PageSurface &surface,
                  const QDate &today = QDate());

} // namespace mirune
