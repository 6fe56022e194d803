// Drawing a week in the main window: the grid filled from the records and the timetable, then
// painted, alternating between two weeks so that every cell changes.

#include "model/class_settings.h"
#include "model/day_record.h"
#include "program.h"
#include "support/no_dialogs.h"
#include "support/window_bench_main.h"
#include "ui/common/dialogs.h"
#include "ui/common/session_printer.h"
#include "ui/common/windows.h"
#include "ui/main/frm_main.h"
#include "ui/main/week_grid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::ui;

using bench::NoDialogs;

namespace {

struct Fixture {
    Fixture() : ui{state, dialogs, windows, printer, document, [] { return QDate(2026, 6, 10); }} {
        subInitApp(state);
        state.boolFirstActivate = kFalse;
        ClassChoice choice;
        choice.year = 2026;
        choice.gradeText = u"6"_s;
        subGetClass(state, choice, [] { return YearChangeAnswer::Yes; });
        subGetHoliday(state, VacationDays{});
        for (int i = 0; i < 6; ++i)
            state.strWeekCreditA[i] = fncStdCredit(6, i);
        for (ZuriDayTime *d = state.objWeekPlanA->objFirstDay.get(); d; d = d->objNextDay.get())
            d->strSubject = u"学国算社理音図体"_s;
        subApplyWeekCredits(*state.objWeekPlanA, state.strWeekCreditA);
        // Every school day of the first term registered.
        for (QDate d(2026, 4, 6); d <= QDate(2026, 7, 17); d = d.addDays(1))
            if (d.dayOfWeek() <= 5)
                state.objFirstDay->appendDay(
                    makeRegisteredDay(d, u"国算社理体音図家"_s, u"13333310"_s));
        windows.attach(ui);
        main = windows.open<frmMain>();
        main->activated();
    }
    ~Fixture() {
        state.intYear = 0;
        windows.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    AppState state;
    NoDialogs dialogs;
    Windows windows;
    SessionPrinter printer;
    ClassDocument document{state};
    UiContext ui;
    frmMain *main = nullptr;
};

void drawWeek(benchmark::State &bench, QDate first, QDate second) {
    Fixture f;
    WeekGrid *grid = f.main->weekGrid();
    bool flip = false;
    for (auto _ : bench) {
        f.main->showWeekOf(flip ? first : second);
        flip = !flip;
        grid->repaint(); // the grid painted at once, every cell
        QCoreApplication::processEvents();
    }
}

// A registered week and a week filled from the timetable.
void BM_DrawWeek(benchmark::State &bench) {
    drawWeek(bench, QDate(2026, 6, 10), QDate(2026, 9, 9));
}
BENCHMARK(BM_DrawWeek)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return mirune::bench::runWindowBenchmarks(argc, argv, [] { app::setUpApplication(); });
}
