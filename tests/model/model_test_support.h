#pragma once

// Small fixtures shared by the hour model tests: a state as the wizard leaves it for a school
// year, and day chains built from dates.

#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/day_record.h"

#include <QDate>
#include <QList>
#include <QString>
#include <initializer_list>

namespace mirune::test {

using namespace Qt::StringLiterals;

// A started-up state for school year `year` with the vacations and national holidays the class
// page builds from the given day boxes (its initial texts unless told otherwise).
inline AppState wizardState(int year, const VacationDays &days = {}) {
    AppState state;
    subInitApp(state);
    state.intYear = qint16(year);
    state.intGrade = 1;
    subGetHoliday(state, days);
    return state;
}

// A registered day: eight periods of subject codes and time codes.
inline DayRef dayOn(const QDate &date, const QString &subjects = u"国算社理体音図学"_s,
                    const QString &credits = u"33333300"_s) {
    return makeRegisteredDay(date, subjects, credits);
}

inline DayRef withdrawnDayOn(const QDate &date, const QString &subjects = u"国算社理体音図学"_s,
                             const QString &credits = u"33333300"_s) {
    DayRef day = makeRegisteredDay(date, subjects, credits);
    day->boolNowPlanning = kTrue;
    return day;
}

// Links the records one after the other behind the head, in the order given.
inline void linkChain(ZuriDayTime &head, std::initializer_list<DayRef> days) {
    ZuriDayTime *previous = &head;
    for (const DayRef &day : days) {
        previous->objNextDay = day;
        previous = day.get();
    }
    previous->objNextDay.reset();
}

// The dates of the records after the head, in chain order.
inline QList<QDate> chainDates(const ZuriDayTime &head) {
    QList<QDate> dates;
    for (const ZuriDayTime *d = head.objNextDay.get(); d; d = d->objNextDay.get())
        dates.append(d->dateThisDay);
    return dates;
}

} // namespace mirune::test
