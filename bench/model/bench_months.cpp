// The months of the largest plan: every day of a leap school year registered and 200 special
// holidays to look through for each day's school-day rule. The months alone, and with the pace
// (the school days past and every row's due plan), as the month view, the outputs and the main
// window's count of subjects behind ask for them.

#include "model/hours_pace.h"
#include "model/monthly_totals.h"
#include "sample_states.h"

#include <benchmark/benchmark.h>

using namespace mirune;

namespace {

const AppState &largest() {
    static const AppState state = sample::largestState();
    return state;
}

void BM_MonthlyTotalsOfTheLargestPlan(benchmark::State &bench) {
    const AppState &state = largest();
    for (auto _ : bench)
        benchmark::DoNotOptimize(fncMonthlyTotals(state));
}
BENCHMARK(BM_MonthlyTotalsOfTheLargestPlan)->Unit(benchmark::kMicrosecond);

void BM_MonthlyPaceOfTheLargestPlan(benchmark::State &bench) {
    const AppState &state = largest();
    const QDate today(2027, 12, 10);
    int behind = 0;
    for (auto _ : bench) {
        const MonthlyPace pace = fncMonthlyPace(state, today);
        behind = int(pace.behindRows().size());
        benchmark::DoNotOptimize(behind);
    }
    bench.SetLabel(std::to_string(behind) + " rows behind");
}
BENCHMARK(BM_MonthlyPaceOfTheLargestPlan)->Unit(benchmark::kMicrosecond);

void BM_BehindFieldsOfTheLargestPlan(benchmark::State &bench) {
    const AppState &state = largest();
    for (auto _ : bench)
        benchmark::DoNotOptimize(fncBehindFields(state, QDate(2027, 12, 10)));
}
BENCHMARK(BM_BehindFieldsOfTheLargestPlan)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
