#include "school_day.h"

#include <algorithm>

namespace mirune {

bool fncIsSchoolDay(const AppState &state, const QDate &d) {
    const int n = d.dayOfYear();
    const auto &h = state.intHolidayDay;
    if (h[0] <= n && n <= h[1])
        return false; // spring break at the start of the year
    if (h[2] <= n && n <= h[3])
        return false; // summer vacation
    if (n >= h[4] || n <= h[5])
        return false; // winter vacation, over the turn of the calendar year
    if (h[6] <= n && n <= h[7])
        return false;                  // spring vacation at the end of the year
    const int weekday = d.dayOfWeek(); // Monday 1 .. Sunday 7
    if (weekday == 7)
        return false;
    if (weekday == 6) {
        const int day = d.day();
        if (isTrue(state.boolSat1) && ((day >= 8 && day <= 14) || (day >= 22 && day <= 28)))
            return false;
        if (isTrue(state.boolSat2))
            return false;
    }
    const int count = std::clamp<int>(state.intSpecialCount, 0, kSpecialSlots);
    for (int i = 0; i < count; ++i)
        if (state.intSpecialDay[i] == n)
            return false;
    return true;
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
