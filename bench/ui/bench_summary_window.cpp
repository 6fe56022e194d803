// How long the hours summary window takes to fill its grid for a whole recorded year: the
// actual totals recomputed from the day chain, every row's figures and 実施率 written with their
// colours and names, and the chart given its figures and the share of the year past; then the
// same with the chart drawn as well; the month view filled with the months and the pace. Also the
// window built and shown for the first time, for comparison.

#include "print_test_support.h"
#include "support/ui_test_support.h"
#include "support/window_bench_main.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/main/hours_chart.h"

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

void BM_FillSummaryWindowAndDrawChart(benchmark::State &bench) {
    ui::test::UiHarness h(QDate(2026, 10, 1));
    h.state = mirune::test::fullYearState();
    h.state.dateSelected = QDate(2026, 10, 1);
    auto *w = h.windows.open<frmDispTimeTable>();
    QCoreApplication::processEvents();
    auto *chart = w->findChild<HoursChart *>(QStringLiteral("chartTimeTable"));
    if (!chart) {
        bench.SkipWithError("no chart");
        return;
    }
    for (auto _ : bench) {
        w->subFillTimeTable();
        chart->repaint(); // drawn now, not when the event loop next runs
    }
    bench.SetLabel(std::to_string(chart->width()) + "x" + std::to_string(chart->height()));
}
BENCHMARK(BM_FillSummaryWindowAndDrawChart)->Unit(benchmark::kMicrosecond);

void BM_FillMonthView(benchmark::State &bench) {
    ui::test::UiHarness h(QDate(2027, 2, 1));
    h.state = mirune::test::fullYearState();
    auto *w = h.windows.open<frmDispTimeTable>();
    w->showMonthView();
    QCoreApplication::processEvents();
    for (auto _ : bench)
        w->subFillMonthTable();
    const auto *grid = w->findChild<QTableWidget *>(QStringLiteral("gridMonthTable"));
    bench.SetLabel(grid ? grid->item(0, 1)->text().toStdString() : std::string("no grid"));
}
BENCHMARK(BM_FillMonthView)->Unit(benchmark::kMicrosecond);

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
