#pragma once

#include "app_state.h"
#include "hour_totals.h"
#include "school_day.h"

#include <QDate>
#include <array>

namespace mirune {

// The twelve months of a school year, April first: many boards of education collect the hours
// month by month.
inline constexpr int kSchoolYearMonths = 12;

// The calendar month (4..12, then 1..3) of month `index` of the school year (0 April .. 11 March).
int fncMonthOfIndex(int index);
// The school year's month index (0..11) of a calendar month 1..12.
int fncIndexOfMonth(int month);

// One month of the school year: its school days and the actual hours registered in it.
struct MonthTotal {
    QDate firstDay; // the 1st of the month, in the calendar year it falls in
    int schoolDays = 0;
    HourCounts actual; // the subtotals and totals derived as in any totals record
};

// The months of a school year and what they add up to.
struct MonthlyTotals {
    std::array<MonthTotal, kSchoolYearMonths> months;
    int yearSchoolDays = 0;
    SchoolYearDays days; // every day of the year, school day or not

    // The months of a term (1..3: April..July, August..December, January..March) added up, the
    // totals derived again: what the term records of the actual totals hold.
    HourCounts termActual(int term) const;
    // All twelve months added up: the year's actual totals.
    HourCounts yearActual() const;
};

// The actual hours of every month from the registered days, counted as the term totals count
// them: a day goes to the month of its date, a withdrawn day counts nothing, a period counts
// its length in 15-minute units. The school days of each month by the school-day rule. Only
// reads the state.
MonthlyTotals fncMonthlyTotals(const AppState &state);

} // namespace mirune
