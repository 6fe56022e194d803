// What the holiday law costs the windows: the days off of one school year, a name for every day
// of the year (a calendar's tool tips asked one by one), and the class page taken with the law.

#include "model/class_settings.h"
#include "model/holiday_law.h"

#include <benchmark/benchmark.h>

using namespace mirune;

namespace {

void lawHolidaysOfASchoolYear(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fncLawHolidays(2026));
}
BENCHMARK(lawHolidaysOfASchoolYear)->Unit(benchmark::kMicrosecond);

// The baseline for a calendar page: one list, then a lookup per day.
void namesOfAYearFromOneList(benchmark::State &state) {
    for (auto _ : state) {
        const QList<LawHoliday> holidays = fncLawHolidays(2026);
        for (QDate d(2026, 4, 1); d <= QDate(2027, 3, 31); d = d.addDays(1))
            benchmark::DoNotOptimize(fncHolidayNameIn(holidays, d));
    }
}
BENCHMARK(namesOfAYearFromOneList)->Unit(benchmark::kMicrosecond);

void namesOfAYearOneByOne(benchmark::State &state) {
    for (auto _ : state)
        for (QDate d(2026, 4, 1); d <= QDate(2027, 3, 31); d = d.addDays(1))
            benchmark::DoNotOptimize(fncHolidayName(d));
}
BENCHMARK(namesOfAYearOneByOne)->Unit(benchmark::kMicrosecond);

// subGetHoliday with 2019's four rows of their own and a teacher's 20 holidays.
void classPageHolidays(benchmark::State &state) {
    AppState app;
    subInitApp(app);
    app.intYear = 2019;
    subGetHoliday(app, fncInitialVacationDays(2019));
    for (int i = 0; i < 20; ++i)
        setSpecialDate(app, app.intSpecialCount++, QDate(2019, 6, 3).addDays(i * 7));
    for (auto _ : state) {
        subGetHoliday(app, fncInitialVacationDays(2019));
        benchmark::DoNotOptimize(app.intSpecialCount);
    }
}
BENCHMARK(classPageHolidays)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
