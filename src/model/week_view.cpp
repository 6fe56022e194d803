#include "week_view.h"

#include "hour_fields.h"
#include "notation.h"

namespace mirune {

using namespace Qt::StringLiterals;

WeekSpan fncWeekOfDate(int year, const QDate &date) {
    // Weekday numbers with Sunday = 1 .. Saturday = 7, as the week has always been reckoned.
    const int w = date.dayOfWeek() % 7 + 1;
    WeekSpan span{date.addDays(-(w - 2)), date.addDays(6 - w)};
    if (span.first.month() == 3 && date.month() == 4)
        span.first = QDate(year, 4, 1);
    if (span.last.month() == 4 && date.month() == 3)
        span.last = QDate(year + 1, 3, 31);
    return span;
}

QString fncColumnHeading(const QDate &date) {
    return u"%1／%2(%3)"_s.arg(date.month()).arg(date.day()).arg(fncWeekdayChar(date.dayOfWeek()));
}

QString subGetCredit(int timeCode) {
    return fncLessonLengthText(timeCode);
}

const ZuriDayTime *subGetDay(const AppState &state, const QDate &date, bool timetableB) {
    const qint16 n = dayNumber(date);
    for (const ZuriDayTime *day = state.objFirstDay->objNextDay.get(); day;
         day = day->objNextDay.get()) {
        if (day->intThisDay == n) {
            if (day->isValidRecord())
                return day;
            break;
        }
    }
    const WeekTotalRef &timetable = timetableB ? state.objWeekPlanB : state.objWeekPlanA;
    const int weekName = date.dayOfWeek() % 7; // Monday 1 .. Saturday 6, Sunday 0
    for (const ZuriDayTime *day = timetable->objFirstDay.get(); day; day = day->objNextDay.get())
        if (day->intWeekName == weekName)
            return day;
    return nullptr;
}

QDate fncTodayInSchoolYear(int year, const QDate &today) {
    const int calendarYear = today.month() <= 3 ? year + 1 : year;
    QDate date(calendarYear, today.month(), today.day());
    if (!date.isValid())
        date = QDate(calendarYear, today.month(), 28);
    return date;
}

QString fncSubjectFullName(QChar code) {
    for (const SubjectInfo &info : subjectTable())
        if (!info.code.isNull() && info.code == code)
            return info.fullName.toString();
    return {};
}

} // namespace mirune
