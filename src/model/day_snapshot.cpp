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
    ZuriDayTime *prev = &head;
    while (prev->objNextDay && prev->objNextDay->dateThisDay < date)
        prev = prev->objNextDay.get();
    ZuriDayTime *present = prev->objNextDay && prev->objNextDay->dateThisDay == date
                               ? prev->objNextDay.get()
                               : nullptr;
    if (!snapshot) {
        if (present)
            prev->objNextDay = present->objNextDay;
        return;
    }
    // A record already there takes the snapshot's contents in place, so that whatever refers to
    // it (a term's stretch of the chain) still finds it in the chain.
    DayRef fresh;
    ZuriDayTime *target = present;
    if (!target) {
        fresh = std::make_shared<ZuriDayTime>();
        target = fresh.get();
    }
    target->cloneDay(*snapshot);
    // The date comes from the call, so a snapshot can only ever restore its own day.
    target->dateThisDay = date;
    target->intThisDay = dayNumber(date);
    target->intWeekName = qint16(date.dayOfWeek() % 7);
    if (fresh) {
        fresh->objNextDay = prev->objNextDay;
        prev->objNextDay = fresh;
    }
}

} // namespace mirune
