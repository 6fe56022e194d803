#pragma once

#include "app_state.h"
#include "day_record.h"

#include <QDate>
#include <QString>

namespace mirune {

// What the main window's week view is made of: which Monday-to-Friday week a date stands for,
// the column headings, which record fills a day, and the texts of the lesson lengths.

// The school week of a date, clipped to the school year: a Sunday belongs to the week after it, a
// Saturday to the week before; a week that begins in March before 1 April starts on 1 April,
// one that ends in April after 31 March ends on 31 March.
struct WeekSpan {
    QDate first; // Monday, or 1 April
    QDate last;  // Friday, or 31 March
};
WeekSpan fncWeekOfDate(int year, const QDate &date);

// A day column's heading: month, "／", day, then the weekday in brackets: "4／8(木)".
QString fncColumnHeading(const QDate &date);

// The text of a time code, as the week view's length labels show it (fncLessonLengthText).
QString subGetCredit(int timeCode);

// The record to show for a date: its registered record unless withdrawn, otherwise the weekday's
// record of timetable A or B; nullptr on a Sunday.
const ZuriDayTime *subGetDay(const AppState &state, const QDate &date, bool timetableB);

// Today's month and day in the school year `year` (January to March fall in year + 1). 29
// February in a school year without one becomes 28 February.
QDate fncTodayInSchoolYear(int year, const QDate &today);

// The name of a subject by its one-letter code ("国" -> "国語"), empty for no subject.
QString fncSubjectFullName(QChar code);

} // namespace mirune
