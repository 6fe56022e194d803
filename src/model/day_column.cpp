#include "day_column.h"

#include "hour_fields.h"
#include "notation.h"
#include "week_view.h"

namespace mirune {

std::optional<DayColumn> fncRecordColumn(const ZuriDayTime &record) {
    const QString &credits = record.strCredit;
    if (credits.size() < kPeriodsPerDay)
        return std::nullopt;
    DayColumn column;
    for (int p = 0; p < kPeriodsPerDay; ++p) {
        const int t = credits[p].isDigit() ? credits[p].digitValue() : -1;
        if (!fncIsTimeCode(t))
            return std::nullopt;
        QChar code = kNoSubject;
        // The code as it is, when the subject table knows it (予備 and 打切り too, which no
        // palette offers); any other character is no subject.
        if (t != 0 && p < record.strSubject.size() && subjectForCode(record.strSubject[p]))
            code = record.strSubject[p];
        column.subjects += code;
        column.credits += QChar(u'0' + t);
    }
    return column;
}

const ZuriDayTime *fncChainRecord(const ZuriDayTime &head, const QDate &date) {
    for (const ZuriDayTime *d = head.objNextDay.get(); d && d->dateThisDay <= date;
         d = d->objNextDay.get())
        if (d->dateThisDay == date)
            return d;
    return nullptr;
}

const ZuriDayTime *fncTimetableRecord(const AppState &state, const QDate &date,
                                      TimetableChoice timetable) {
    const WeekTotalRef &week =
        timetable == TimetableChoice::B ? state.objWeekPlanB : state.objWeekPlanA;
    if (!week || !date.isValid())
        return nullptr;
    const int weekName = date.dayOfWeek() % 7; // Monday 1 .. Saturday 6, Sunday 0
    if (weekName == 0)
        return nullptr;
    // The first record of the weekday counts.
    for (const ZuriDayTime *d = week->objFirstDay.get(); d; d = d->objNextDay.get())
        if (d->intWeekName == weekName)
            return d;
    return nullptr;
}

std::optional<DayColumn> fncUntouchedColumn(const AppState &state, const QDate &date,
                                            TimetableChoice timetable, bool *registered) {
    if (registered)
        *registered = false;
    if (state.objFirstDay)
        if (const ZuriDayTime *day = fncChainRecord(*state.objFirstDay, date);
            day && day->isValidRecord()) {
            std::optional<DayColumn> column = fncRecordColumn(*day);
            if (column && registered)
                *registered = isTrue(day->boolWorkDay);
            return column;
        }
    const ZuriDayTime *weekday = fncTimetableRecord(state, date, timetable);
    return weekday ? fncRecordColumn(*weekday) : std::nullopt;
}

bool fncSameDay(const DayRef &a, const DayRef &b) {
    if (!a || !b)
        return !a && !b;
    return a->intThisDay == b->intThisDay && a->dateThisDay == b->dateThisDay &&
           a->intWeekName == b->intWeekName && a->strSubject == b->strSubject &&
           a->strCredit == b->strCredit && a->boolNowPlanning == b->boolNowPlanning &&
           a->strComment == b->strComment && a->boolWeekEnd == b->boolWeekEnd &&
           a->boolWorkDay == b->boolWorkDay;
}

} // namespace mirune
