#include "monthly_totals.h"

#include "day_units.h"
#include "school_day.h"
#include "term_rule.h"

namespace mirune {

namespace {

// Base fields of the chosen months added up in a wider integer, then held at the 16-bit limits
// once, as the year adds up its terms.
template <typename Chosen> HourCounts sumOfMonths(const MonthlyTotals &totals, Chosen chosen) {
    WideUnitSums sums{};
    for (int i = 0; i < kSchoolYearMonths; ++i) {
        if (!chosen(i))
            continue;
        for (HourField f : baseFields())
            sums[static_cast<int>(f)] += totals.months[i].actual[f];
    }
    return fncCountsFromSums(sums);
}

} // namespace

int fncMonthOfIndex(int index) {
    return (index + 3) % 12 + 1;
}

int fncIndexOfMonth(int month) {
    return (month + 8) % 12;
}

HourCounts MonthlyTotals::termActual(int term) const {
    return sumOfMonths(*this, [term](int i) { return termOfMonth(fncMonthOfIndex(i)) == term; });
}

HourCounts MonthlyTotals::yearActual() const {
    return sumOfMonths(*this, [](int) { return true; });
}

MonthlyTotals fncMonthlyTotals(const AppState &state) {
    MonthlyTotals totals;
    const DateRange year = schoolYearRange(state.intYear);
    for (int i = 0; i < kSchoolYearMonths; ++i)
        totals.months[i].firstDay = year.first.addMonths(i);

    totals.days = fncSchoolYearDays(state);
    if (year.first.isValid()) {
        for (int i = 0; i < kSchoolYearMonths; ++i) {
            const QDate next = totals.months[i].firstDay.addMonths(1);
            totals.months[i].schoolDays = totals.days.countBefore(totals.months[i].firstDay, next);
            totals.yearSchoolDays += totals.months[i].schoolDays;
        }
    }

    // One walk of the chain. The term rule puts a day in its term by the month of its date
    // alone, and so does this, so that the months of a term always add up to it.
    std::array<WideUnitSums, kSchoolYearMonths> sums{};
    if (state.objFirstDay) {
        for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d;
             d = d->objNextDay.get()) {
            if (d->isValidRecord() && d->dateThisDay.isValid())
                addDayUnits(*d, sums[fncIndexOfMonth(d->dateThisDay.month())]);
        }
    }
    for (int i = 0; i < kSchoolYearMonths; ++i)
        totals.months[i].actual = fncCountsFromSums(sums[i]);
    return totals;
}

} // namespace mirune
