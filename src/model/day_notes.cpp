#include "day_notes.h"

#include "holiday_law.h"
#include "school_day.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// The national-holiday rows of the special-holiday table, under the names the law gives them in
// the school year `year`.
QString nationalHolidayName(int row, int year) {
    switch (row) {
    case 0:
        return year >= 2007 ? u"昭和の日"_s : u"みどりの日"_s;
    case 1:
        return u"憲法記念日"_s;
    case 2:
        return year >= 2007 ? u"みどりの日"_s : u"国民の休日"_s;
    case 3:
        return u"こどもの日"_s;
    case 4:
        return u"海の日"_s;
    case 5:
        return u"敬老の日"_s;
    case 6:
        return u"秋分の日"_s;
    case 7:
        return year >= 2020 ? u"スポーツの日"_s : u"体育の日"_s;
    case 8:
        return u"文化の日"_s;
    case 9:
        return u"勤労感謝の日"_s;
    case 10:
        return year <= 2018 ? u"天皇誕生日"_s : u"祝日"_s;
    case 11:
        return u"成人の日"_s;
    case 12:
        return u"建国記念の日"_s;
    case 13:
        return u"春分の日"_s;
    default:
        return u"学校の休日"_s;
    }
}

bool within(qint16 n, qint16 first, qint16 last) {
    return first <= n && n <= last;
}

} // namespace

QString fncDayNote(const AppState &state, const QDate &date) {
    if (!date.isValid() || fncIsSchoolDay(state, date))
        return {};
    const qint16 n = dayNumber(date);
    const auto &h = state.intHolidayDay;
    // The same tests in the same order as the school-day rule, so the note names what decided.
    if (within(n, h[0], h[1]))
        return u"春休み"_s;
    if (within(n, h[2], h[3]))
        return u"夏休み"_s;
    if (n >= h[4] || n <= h[5])
        return u"冬休み"_s;
    if (within(n, h[6], h[7]))
        return u"春休み"_s;
    if (date.dayOfWeek() == Qt::Sunday)
        return u"日曜日"_s;
    if (date.dayOfWeek() == Qt::Saturday)
        return u"土曜日"_s;
    for (int i = 0; i < state.intSpecialCount && i < kSpecialSlots; ++i) {
        if (state.intSpecialDay[i] != n)
            continue;
        // The law's own name for the day (振替休日 and one-off days included); a row the
        // teacher moved off the law's day keeps the name of its row.
        const QString lawName = fncHolidayName(date);
        return lawName.isEmpty() ? nationalHolidayName(i, state.intYear) : lawName;
    }
    return {};
}

} // namespace mirune
