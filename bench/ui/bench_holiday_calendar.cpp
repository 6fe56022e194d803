// Opening the holiday calendar page: three rows of twelve month calendars, a year of school-day
// marks and holiday names, and the counts. Runs under the offscreen platform.

#include "document/class_document.h"
#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/teacher_holidays.h"
#include "support/no_dialogs.h"
#include "support/window_bench_main.h"
#include "ui/common/dialogs.h"
#include "ui/common/session_printer.h"
#include "ui/common/ui_context.h"
#include "ui/common/windows.h"
#include "ui/wizard/frm_wiz3.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace mirune;
using namespace mirune::ui;

using bench::NoDialogs;

namespace {

struct Session {
    AppState state;
    NoDialogs dialogs;
    Windows windows;
    SessionPrinter printer;
    ClassDocument document{state};
    UiContext ui{state, dialogs, windows, printer, document, [] { return QDate(2026, 4, 8); }};

    Session() {
        subInitApp(state);
        state.intYear = 2026;
        state.intGrade = 3;
        subGetHoliday(state, VacationDays{});
        // A few dozen of the teacher's own days, as a year might have.
        for (QDate d(2026, 5, 13); d < QDate(2027, 3, 1); d = d.addDays(7))
            fncAddTeacherHoliday(state, d);
        windows.attach(ui);
    }
    // The holidays changed, as the document tells a change.
    void tell(PlanChange::Parts parts) { emit document.changed(PlanChange{parts, {}, false}); }
};

// Built, shown and laid out, as the teacher sees it open.
void BM_OpenHolidayCalendar(benchmark::State &bench) {
    Session s;
    for (auto _ : bench) {
        auto *page = new frmWiz3(s.ui);
        page->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(page);
        bench.PauseTiming();
        delete page;
        QCoreApplication::processEvents();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_OpenHolidayCalendar)->Unit(benchmark::kMillisecond);

// Only the marks and counts of a year, as each activation redraws them.
void BM_RedrawHolidayCalendar(benchmark::State &bench) {
    Session s;
    frmWiz3 page(s.ui);
    page.show();
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        s.tell(PlanChange::Holidays);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RedrawHolidayCalendar)->Unit(benchmark::kMillisecond);

// The marks and counts alone, without painting.
void BM_MarkHolidayCalendar(benchmark::State &bench) {
    Session s;
    frmWiz3 page(s.ui);
    page.show();
    QCoreApplication::processEvents();
    for (auto _ : bench)
        s.tell(PlanChange::Holidays);
    QCoreApplication::processEvents();
}
BENCHMARK(BM_MarkHolidayCalendar)->Unit(benchmark::kMillisecond);

// Building the page without showing it.
void BM_BuildHolidayCalendar(benchmark::State &bench) {
    Session s;
    for (auto _ : bench) {
        auto *page = new frmWiz3(s.ui);
        benchmark::DoNotOptimize(page);
        bench.PauseTiming();
        delete page;
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_BuildHolidayCalendar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return mirune::bench::runWindowBenchmarks(
        argc, argv, [] { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); });
}
