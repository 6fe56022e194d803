#pragma once

#include "app_state.h"

#include <QDate>
#include <array>

namespace mirune {

// Whether a date of the current school year is a school day, from the vacations, Saturdays and
// Sundays, and the special holidays in use. Works on day-of-the-year numbers only.
bool fncIsSchoolDay(const AppState &state, const QDate &d);

// The days of the state's school year, 1 April first, each marked school day or not: the
// school-day rule run over the whole year in one pass, for what counts the days of a year (the
// months and the pace of every class of a school).
struct SchoolYearDays {
    QDate first;                    // 1 April; invalid for a state without a school year
    int length = 0;                 // 365 or 366
    std::array<bool, 366> school{}; // index 0 the first day

    bool isSchoolDay(int index) const { return index >= 0 && index < length && school[index]; }
    // The school days from `from` up to, not including, `before`.
    int countBefore(const QDate &from, const QDate &before) const;
};
SchoolYearDays fncSchoolYearDays(const AppState &state);

// A calendar range of the school year, both ends included.
struct DateRange {
    QDate first;
    QDate last;
};

// The terms as the holiday calendar page divides the year: April to July, August to December,
// January to March of the next calendar year. term is 1..3.
DateRange calendarTermRange(int year, int term);
// 1 April of year to 31 March of year+1.
DateRange schoolYearRange(int year);

// School days of terms 1, 2, 3 and of the whole year, counted over the three calendar ranges.
std::array<int, 4> fncCountSchoolDays(const AppState &state);

// The holiday calendar page's caption of a count: index 0..2 the terms, 3 the year
// ("１学期の授業日数　68日").
QString fncSchoolDaysCaption(int index, int count);

} // namespace mirune
