#include "day_snapshot.h"

namespace mirune {

DayRef fncDaySnapshot(const ZuriDayTime &head, const QDate &date) {
    for (const ZuriDayTime *d = head.objNextDay.get(); d; d = d->objNextDay.get()) {
        if (d->dateThisDay == date) {
            auto copy = std::make_shared<ZuriDayTime>();
            copy->cloneDay(*d);
            return copy;
        }
        if (d->dateThisDay > date)
            break;
    }
    return nullptr;
}

void subRestoreDaySnapshot(ZuriDayTime &head, const QDate &date, const DayRef &snapshot) {
    if (snapshot) {
        auto copy = std::make_shared<ZuriDayTime>();
        copy->cloneDay(*snapshot);
        // The date comes from the call, so a snapshot can only ever restore its own day.
        copy->dateThisDay = date;
        copy->intThisDay = dayNumber(date);
        copy->intWeekName = qint16(date.dayOfWeek() % 7);
        head.appendDay(copy);
        return;
    }
    ZuriDayTime *prev = &head;
    while (prev->objNextDay && prev->objNextDay->dateThisDay < date)
        prev = prev->objNextDay.get();
    if (prev->objNextDay && prev->objNextDay->dateThisDay == date)
        prev->objNextDay = prev->objNextDay->objNextDay;
}

} // namespace mirune
