#pragma once

#include "app_state.h"

#include <QDate>

namespace mirune {

// The teacher's own holidays: the rows of the special-holiday table from kNationalHolidayRows to
// intSpecialCount - 1, in the order they were marked. A row is known by its day of the year, the
// key the school-day rule uses.

enum class AddHolidayResult {
    Added,
    TableFull, // intSpecialCount is already kMaxSpecialCount: nothing was added
};

// Appends `date` as the teacher's next holiday row.
AddHolidayResult fncAddTeacherHoliday(AppState &state, const QDate &date);

// Removes the first of the teacher's rows with the day of the year of `date`, keeping the order
// of the rows after it. False when the teacher has no such row (a weekend, a vacation day or a
// national holiday or any other day off by the law is not the teacher's to give back).
bool fncRemoveTeacherHoliday(AppState &state, const QDate &date);

} // namespace mirune
