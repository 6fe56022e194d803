#include "day_record.h"

namespace mirune {

ZuriDayTime::~ZuriDayTime() {
    DayRef next = std::move(objNextDay);
    while (next && next.use_count() == 1)
        next = std::move(next->objNextDay);
}

bool ZuriDayTime::searchDay(const QDate &sDay) const {
    const qint16 wanted = dayNumber(sDay);
    for (const ZuriDayTime *d = objNextDay.get(); d; d = d->objNextDay.get()) {
        if (d->intThisDay == wanted && d->dateThisDay.year() == sDay.year())
            return d->isValidRecord();
    }
    return false;
}

void ZuriDayTime::appendDay(const DayRef &objInsertDay) {
    const QDate date = objInsertDay->dateThisDay;
    ZuriDayTime *prev = this;
    DayRef cur = objNextDay;
    while (cur) {
        if (cur->dateThisDay == date) {
            objInsertDay->objNextDay = cur->objNextDay;
            prev->objNextDay = objInsertDay;
            return;
        }
        if (cur->dateThisDay > date) {
            objInsertDay->objNextDay = cur;
            prev->objNextDay = objInsertDay;
            return;
        }
        prev = cur.get();
        cur = cur->objNextDay;
    }
    prev->objNextDay = objInsertDay;
}

bool ZuriDayTime::withdrawDay(const QDate &date) {
    for (ZuriDayTime *d = objNextDay.get(); d && d->dateThisDay <= date; d = d->objNextDay.get()) {
        if (d->dateThisDay == date) {
            d->boolNowPlanning = kTrue;
            return true;
        }
    }
    return false;
}

void ZuriDayTime::cloneDay(const ZuriDayTime &objSource) {
    boolNowPlanning = objSource.boolNowPlanning;
    boolWeekEnd = objSource.boolWeekEnd;
    boolWorkDay = objSource.boolWorkDay;
    dateThisDay = objSource.dateThisDay;
    intThisDay = objSource.intThisDay;
    intWeekName = objSource.intWeekName;
    strComment = objSource.strComment;
    strSubject = objSource.strSubject;
    strCredit = objSource.strCredit;
}

DayRef makeRegisteredDay(const QDate &date, const QString &subjects, const QString &credits) {
    auto day = std::make_shared<ZuriDayTime>();
    day->dateThisDay = date;
    day->intThisDay = dayNumber(date);
    day->intWeekName = qint16(date.dayOfWeek() % 7); // Qt: Monday 1 .. Sunday 7
    day->strSubject = subjects;
    day->strCredit = credits;
    day->boolWorkDay = kTrue;
    day->boolNowPlanning = kFalse;
    return day;
}

int chainLength(const ZuriDayTime &head) {
    int n = 0;
    for (const ZuriDayTime *d = head.objNextDay.get(); d; d = d->objNextDay.get())
        ++n;
    return n;
}

} // namespace mirune
