// The annual plan page's store-and-total pass, which runs each time a box gets or loses the
// focus: all 68 boxes checked and stored, the totals, year sums and coloured differences shown.
// Run under the offscreen platform.
#include "document/class_document.h"
#include "model/app_state.h"
#include "model/year_plan_entry.h"
#include "support/window_bench_main.h"
#include "ui/common/qt_dialogs.h"
#include "ui/common/session_printer.h"
#include "ui/common/windows.h"
#include "ui/wizard/frm_wiz4.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace mirune;
using namespace mirune::ui;
using namespace Qt::StringLiterals;

namespace {

// A plan with every box filled, so that every figure and every difference changes in a pass.
void fillPlan(AppState &state) {
    for (int row = 0; row < kPlanRows; ++row) {
        state.objYearPlan->hours[planRowField(row)] = qint16(100 + 7 * row);
        const auto terms = state.objSeasonPlan->terms();
        for (int term = 0; term < kPlanTerms; ++term)
            terms[term]->hours[planRowField(row)] = qint16(30 + row + term);
    }
}

// The page's pass as a box's focus runs it, alternating one box between two values so that
// every pass stores a change and tells the other windows.
void BM_PlanPageStoreAndTotal(benchmark::State &bench) {
    AppState state;
    subInitApp(state);
    fillPlan(state);
    QtDialogs dialogs;
    Windows windows;
    SessionPrinter printer;
    ClassDocument document{state};
    UiContext ui{state, dialogs, windows, printer, document};
    windows.attach(ui);
    frmWiz4 *page = windows.open<frmWiz4>();
    auto *box = page->findChild<QLineEdit *>(u"txtWiz4YearPlan_25"_s);
    bool flip = false;
    for (auto _ : bench) {
        box->setText(flip ? u"12.1"_s : u"12"_s);
        flip = !flip;
        page->subGetYearPlan();
    }
    windows.closeAll();
}
BENCHMARK(BM_PlanPageStoreAndTotal)->Unit(benchmark::kMicrosecond);

// The same pass in the model alone: the checks, the stores and the sums without the widgets.
void BM_PlanStoreAndTotalModel(benchmark::State &bench) {
    AppState state;
    subInitApp(state);
    fillPlan(state);
    const PlanTexts filled = fncPlanTexts(state);
    for (auto _ : bench) {
        PlanTexts texts = filled;
        benchmark::DoNotOptimize(mirune::subGetYearPlan(state, texts));
    }
}
BENCHMARK(BM_PlanStoreAndTotalModel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    return mirune::bench::runWindowBenchmarks(argc, argv, [] {});
}
