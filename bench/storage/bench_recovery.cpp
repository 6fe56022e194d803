// The recovery copy and まとめて登録 as a click pays for them: registering a whole school year into
// an empty plan with the recovery copy written after it, and the recovery copy of the largest plan
// (every day of the leap school year 2027 registered). Both must stay well inside one frame.

#include "model/range_registration.h"
#include "model/school_day.h"
#include "sample_states.h"
#include "storage/recovery_copy.h"
#include "support/recovery_bench_main.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

// Registers every school day of the year from timetable A into a plan with no days, then writes
// the recovery copy, as the main window does after まとめて登録.
void BM_RegisterYearWithRecoveryCopy(benchmark::State &bench) {
    AppState state = sample::classState(2026);
    sample::fillPlans(state);
    state.strFileName = u"/tmp/bench-recovery/class.zr2"_s;
    const DateRange year = schoolYearRange(state.intYear);
    int registered = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        state.objFirstDay = std::make_shared<ZuriDayTime>();
        bench.ResumeTiming();
        const QList<QDate> days =
            fncDaysToRegister(state, year.first, year.last, TimetableChoice::A);
        registered = subRegisterDays(state, days, TimetableChoice::A);
        if (!subWriteRecoveryCopy(state).ok())
            bench.SkipWithError("the recovery copy was not written");
    }
    bench.counters["days"] = registered;
}
BENCHMARK(BM_RegisterYearWithRecoveryCopy)->Unit(benchmark::kMillisecond);

// The same without the recovery copy: what the registration itself costs.
void BM_RegisterYear(benchmark::State &bench) {
    AppState state = sample::classState(2026);
    sample::fillPlans(state);
    const DateRange year = schoolYearRange(state.intYear);
    for (auto _ : bench) {
        bench.PauseTiming();
        state.objFirstDay = std::make_shared<ZuriDayTime>();
        bench.ResumeTiming();
        const QList<QDate> days =
            fncDaysToRegister(state, year.first, year.last, TimetableChoice::A);
        benchmark::DoNotOptimize(subRegisterDays(state, days, TimetableChoice::A));
    }
}
BENCHMARK(BM_RegisterYear)->Unit(benchmark::kMillisecond);

// The recovery copy of the largest plan, written after every registration in that plan.
void BM_WriteRecoveryCopyLargest(benchmark::State &bench) {
    AppState state = sample::largestState();
    state.strFileName = u"/tmp/bench-recovery/largest.zr2"_s;
    for (auto _ : bench) {
        if (!subWriteRecoveryCopy(state).ok())
            bench.SkipWithError("the recovery copy was not written");
    }
}
BENCHMARK(BM_WriteRecoveryCopyLargest)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runRecoveryBenchmarks(argc, argv);
}
