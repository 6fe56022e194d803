// How long the hours summary window takes to fill its grid for a whole recorded year: the
// actual totals recomputed from the day chain and 126 figures written with their colours and
// names. Also the window built and shown for the first time, for comparison.

#include "print_test_support.h"
#include "support/ui_test_support.h"
#include "support/window_bench_main.h"
#include "ui/main/frm_disp_time_table.h"

#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>

using namespace mirune;
using namespace mirune::ui;

namespace {

void BM_FillSummaryWindow(benchmark::State &bench) {
    ui::test::UiHarness h;
    h.state = mirune::test::fullYearState();
    h.state.dateSelected = QDate(2026, 10, 1);
    auto *w = h.windows.open<frmDispTimeTable>();
    QCoreApplication::processEvents();
    int term = 0;
    for (auto _ : bench) {
        w->subFillTimeTable();
        term = w->chosenTerm();
    }
    benchmark::DoNotOptimize(term);
    const auto *grid = w->findChild<QTableWidget *>(QStringLiteral("gridTimeTable"));
    bench.SetLabel(grid ? grid->item(0, 2)->text().toStdString() : std::string("no grid"));
}
BENCHMARK(BM_FillSummaryWindow)->Unit(benchmark::kMicrosecond);

void BM_OpenSummaryWindow(benchmark::State &bench) {
    ui::test::UiHarness h;
    h.state = mirune::test::fullYearState();
    h.state.dateSelected = QDate(2026, 10, 1);
    for (auto _ : bench) {
        auto *w = h.windows.open<frmDispTimeTable>();
        QCoreApplication::processEvents();
        bench.PauseTiming();
        h.windows.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.ResumeTiming();
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_OpenSummaryWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return mirune::bench::runWindowBenchmarks(argc, argv, [] { ui::test::initUiTestCase(); });
}
