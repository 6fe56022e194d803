#include "school_day.h"

#include <algorithm>

namespace mirune {

namespace {

// The rule on a day given by its day of the year, its weekday (Monday 1 .. Sunday 7) and its day
// of the month; `special` says whether a day of the year is one of the special holidays in use.
template <typename Special>
bool isSchoolDayOf(const AppState &state, int n, int weekday, int day, const Special &special) {
    const auto &h = state.intHolidayDay;
    if (h[0] <= n && n <= h[1])
        return false; // spring break at the start of the year
    if (h[2] <= n && n <= h[3])
        return false; // summer vacation
    if (n >= h[4] || n <= h[5])
        return false; // winter vacation, over the turn of the calendar year
    if (h[6] <= n && n <= h[7])
        return false; // spring vacation at the end of the year
    if (weekday == 7)
        return false;
    if (weekday == 6) {
        if (isTrue(state.boolSat1) && ((day >= 8 && day <= 14) || (day >= 22 && day <= 28)))
            return false;
        if (isTrue(state.boolSat2))
            return false;
    }
    return !special(n);
}

int specialCount(const AppState &state) {
    return std::clamp<int>(state.intSpecialCount, 0, kSpecialSlots);
}

} // namespace

bool fncIsSchoolDay(const AppState &state, const QDate &d) {
    const int count = specialCount(state);
    return isSchoolDayOf(state, d.dayOfYear(), d.dayOfWeek(), d.day(), [&](int n) {
        for (int i = 0; i < count; ++i)
            if (state.intSpecialDay[i] == n)
                return true;
        return false;
    });
}

int SchoolYearDays::countBefore(const QDate &from, const QDate &before) const {
    if (!first.isValid())
        return 0;
    const qint64 start = std::clamp<qint64>(first.daysTo(from), 0, length);
    const qint64 end = std::clamp<qint64>(first.daysTo(before), 0, length);
    int n = 0;
    for (qint64 i = start; i < end; ++i)
        n += school[std::size_t(i)] ? 1 : 0;
    return n;
}

SchoolYearDays fncSchoolYearDays(const AppState &state) {
    SchoolYearDays days;
    const DateRange year = schoolYearRange(state.intYear);
    if (!year.first.isValid() || !year.last.isValid())
        return days;
    days.first = year.first;
    days.length = int(year.first.daysTo(year.last)) + 1;
    // The special holidays by day of the year, looked up once per day.
    std::array<bool, 367> special{};
    for (int i = 0; i < specialCount(state); ++i)
        if (state.intSpecialDay[i] >= 0 && state.intSpecialDay[i] <= 366)
            special[std::size_t(state.intSpecialDay[i])] = true;
    const auto isSpecial = [&](int n) { return special[std::size_t(n)]; };
    // The calendar walked by counting: the weekday, the day of the month and of the year, which
    // starts again on 1 January.
    int weekday = year.first.dayOfWeek();
    int dayOfYear = year.first.dayOfYear();
    QDate month = year.first;
    int monthLength = month.daysInMonth();
    int day = 1;
    for (int i = 0; i < days.length; ++i) {
        days.school[std::size_t(i)] = isSchoolDayOf(state, dayOfYear, weekday, day, isSpecial);
        weekday = weekday % 7 + 1;
        ++dayOfYear;
        if (++day > monthLength) {
            day = 1;
            month = month.addMonths(1);
            monthLength = month.daysInMonth();
            if (month.month() == 1)
                dayOfYear = 1;
        }
    }
    return days;
}

DateRange calendarTermRange(int year, int term) {
    switch (term) {
    case 1:
        return {QDate(year, 4, 1), QDate(year, 7, 31)};
    case 2:
        return {QDate(year, 8, 1), QDate(year, 12, 31)};
    default:
        return {QDate(year + 1, 1, 1), QDate(year + 1, 3, 31)};
    }
}

DateRange schoolYearRange(int year) {
    return {QDate(year, 4, 1), QDate(year + 1, 3, 31)};
}

std::array<int, 4> fncCountSchoolDays(const AppState &state) {
    std::array<int, 4> counts{};
    for (int term = 1; term <= 3; ++term) {
        const DateRange range = calendarTermRange(state.intYear, term);
        for (QDate d = range.first; d.isValid() && d <= range.last; d = d.addDays(1)) {
            if (fncIsSchoolDay(state, d)) {
                ++counts[term - 1];
                ++counts[3];
            }
        }
    }
    return counts;
}

QString fncSchoolDaysCaption(int index, int count) {
    static constexpr std::array<QStringView, 4> prefixes = {
        u"１学期の授業日数　", u"２学期の授業日数　", u"３学期の授業日数　", u"年間の授業日数　"};
    return prefixes[std::clamp(index, 0, 3)].toString() + QString::number(count) + u'日';
}

} // namespace mirune
