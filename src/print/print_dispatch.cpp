#include "print_dispatch.h"

#include "sheets.h"

namespace mirune {

namespace {

constexpr std::array<PrintOption, kPrintOptionCount> kOptions = {{
    {u"年間の時数集計表", u"year", SheetRoutine::Year, 0},
    {u"1学期の時間割表", u"term1-chart", SheetRoutine::SeasonTimeChart, 1},
    {u"1学期の時間集計表", u"term1-total", SheetRoutine::SeasonTotal, 1},
    {u"２学期の時間割表", u"term2-chart", SheetRoutine::SeasonTimeChart, 2},
    {u"２学期の時間集計表", u"term2-total", SheetRoutine::SeasonTotal, 2},
    {u"３学期の時間割表", u"term3-chart", SheetRoutine::SeasonTimeChart, 3},
    {u"３学期の時間集計表", u"term3-total", SheetRoutine::SeasonTotal, 3},
    {u"週間時間割計画表A", u"week-a", SheetRoutine::WeekPlan, 0},
    {u"週間時間割計画表B", u"week-b", SheetRoutine::WeekPlan, 1},
    {u"月別時数表", u"month", SheetRoutine::Months, 0},
}};

} // namespace

const std::array<PrintOption, kPrintOptionCount> &printOptions() {
    return kOptions;
}

int fncPrintOptionIndex(QStringView key) {
    for (int i = 0; i < kPrintOptionCount; ++i)
        if (kOptions[i].key == key)
            return i;
    return -1;
}

void subDrawSheet(const AppState &state, const PrintOption &option, PageSurface &surface,
                  const QDate &today) {
    switch (option.routine) {
    case SheetRoutine::Year:
        subPrintYear(state, surface);
        break;
    case SheetRoutine::SeasonTimeChart:
        subPrintSeasonTimeChart(state, surface, option.argument);
        break;
    case SheetRoutine::SeasonTotal:
        subPrintSeasonTotal(state, surface, option.argument);
        break;
    case SheetRoutine::WeekPlan:
        subPrintWeekPlan(state, surface, option.argument);
        break;
    case SheetRoutine::Months:
        subPrintMonths(state, surface, today.isValid() ? today : QDate::currentDate());
        break;
    }
}

PrintOutcome subPrintOption(const AppState &state, int option, PageSurface &surface,
                            const PrinterDialogHook &printerDialog, const QDate &today) {
    if (state.intYear == 0)
        return PrintOutcome::NothingToPrint;
    if (option < 0 || option >= kPrintOptionCount)
        return PrintOutcome::NoSuchOption;
    if (printerDialog && !printerDialog())
        return PrintOutcome::Cancelled;
    subDrawSheet(state, kOptions[option], surface, today);
    return PrintOutcome::Printed;
}

} // namespace mirune
