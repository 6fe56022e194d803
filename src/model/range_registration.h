#pragma once

#include "app_state.h"
#include "day_column.h"

#include <QDate>
#include <QList>

namespace mirune {

// Registering a stretch of days at once, each as the main window registers a day whose column
// the teacher left as the timetable filled it.

// The days of from..to (clamped to the school year) that can be registered at once: school days
// by the school-day rule that the week shows (Monday to Friday) and that have no record in the
// chain at all; registered and withdrawn days are left as they are. In date order; empty when
// no school year is set or the range runs backwards.
QList<QDate> fncDaysToRegister(const AppState &state, const QDate &from, const QDate &to);
// The same, less the weekdays that the timetable cannot register (time codes not set up): the
// days subRegisterDays will register with that timetable.
QList<QDate> fncDaysToRegister(const AppState &state, const QDate &from, const QDate &to,
                               TimetableChoice timetable);

// The first day of the school year that fncDaysToRegister would offer; an invalid date when
// there is none.
QDate fncFirstUnregisteredSchoolDay(const AppState &state);

// Registers each day with the timetable's subjects and time codes of its weekday, as the register
// button does for an untouched column: a period of length 0 has no subject, and a weekday whose
// time codes are not eight digits 0..4 cannot be registered and is skipped. A day that already
// has a record gets a new one in its place, as the register button would. One walk of the chain
// for all days. Returns the number of days registered.
int subRegisterDays(AppState &state, const QList<QDate> &days, TimetableChoice timetable);

} // namespace mirune
