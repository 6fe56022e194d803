#include "teacher_holidays.h"

#include "class_settings.h"

#include <algorithm>

namespace mirune {

AddHolidayResult fncAddTeacherHoliday(AppState &state, const QDate &date) {
    // The data file carries the slot after the last row in use, so the table never fills its
    // last slot.
    if (state.intSpecialCount >= kMaxSpecialCount)
        return AddHolidayResult::TableFull;
    const int row = std::max<int>(state.intSpecialCount, kNationalHolidayRows);
    setSpecialDate(state, row, date);
    state.intSpecialCount = qint16(row + 1);
    return AddHolidayResult::Added;
}

bool fncRemoveTeacherHoliday(AppState &state, const QDate &date) {
    // A row of the law's own days off (a citizens' holiday, say) is not the teacher's to give
    // back, even where it lies among the teacher's rows.
    if (state.intYear > 0)
        for (const LawHoliday &holiday : fncPlanHolidays(state))
            if (holiday.date == date)
                return false;
    const qint16 day = dayNumber(date);
    const int count = std::min<int>(state.intSpecialCount, kSpecialSlots);
    for (int row = kNationalHolidayRows; row < count; ++row) {
        if (state.intSpecialDay[row] != day)
            continue;
        std::move(state.dateSpecial.begin() + row + 1, state.dateSpecial.begin() + count,
                  state.dateSpecial.begin() + row);
        std::move(state.intSpecialDay.begin() + row + 1, state.intSpecialDay.begin() + count,
                  state.intSpecialDay.begin() + row);
        // The slot that fell free keeps its old date; only rows in use count anywhere.
        state.intSpecialCount = qint16(count - 1);
        return true;
    }
    return false;
}

} // namespace mirune
