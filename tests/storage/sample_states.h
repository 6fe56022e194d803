#pragma once

// States a teacher could have made, built through the program's own routines (start-up, the
// class page, the holiday computation, timetable storing, day registration). The storage tests,
// the fuzz corpus generator and the storage benchmarks all start from these.

#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/day_record.h"
#include "model/hour_fields.h"
#include "model/units.h"

#include <QDate>
#include <QString>

namespace mirune::sample {

using namespace Qt::StringLiterals;

// A started-up state with the class page taken for `year` and the holidays it computes from the
// day boxes' initial texts.
inline AppState classState(int year, int grade = 3, const QString &className = u"1"_s,
                           const QString &teacher = u"山田　花子"_s) {
    AppState state;
    subInitApp(state);
    ClassChoice choice;
    choice.year = year;
    choice.gradeText = QString::number(grade);
    choice.classText = className;
    choice.teacherText = teacher;
    subGetClass(state, choice, [] { return YearChangeAnswer::Yes; });
    subGetHoliday(state, VacationDays{});
    return state;
}

// Subjects of periods 0..7, Monday to Saturday, for timetables and registered days.
inline QString weekdaySubjects(int weekday) {
    static const char16_t *const kSubjects[6] = {
        u"　国算社体学　　", u"　算国理音総　　", u"　国算図図体　　",
        u"　算国社理道　　", u"　国算体音総　　", u"　国算　　　　　",
    };
    return QString::fromUtf16(kSubjects[weekday]);
}

// A full annual plan (base hours and three terms) of the 2002 curriculum, so that the state is
// written in today's form, and both timetables with the grade's default time codes.
inline void fillPlans(AppState &state) {
    const auto terms = state.objSeasonPlan->terms();
    int n = 0;
    for (HourField f : baseFields()) {
        if (subjectInfo(f).laterCurriculum)
            continue;
        const int units = 30 + 17 * n++;
        (*state.objYearPlan)[f] = qint16(units * 3);
        (*terms[0])[f] = qint16(units);
        (*terms[1])[f] = qint16(units + 1);
        (*terms[2])[f] = qint16(units * 3 - 2 * units - 1);
    }
    state.objYearPlan->hours.deriveTotals();
    for (const SeasonTotalRef &t : terms)
        t->hours.deriveTotals();
    state.objSeasonPlan->calculate();

    const auto fill = [&](ZuriWeekTotal &week, WeekCredits &credits, int shift) {
        int weekday = 0;
        for (ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get(), ++weekday)
            d->strSubject = weekdaySubjects((weekday + shift) % 6);
        for (int i = 0; i < 6; ++i)
            credits[i] = fncStdCredit(state.intGrade, i);
        subApplyWeekCredits(week, credits);
    };
    fill(*state.objWeekPlanA, state.strWeekCreditA, 0);
    fill(*state.objWeekPlanB, state.strWeekCreditB, 1);
}

// Registers every day from `first` to `last` (weekends and holidays too, as the largest file has
// them), each with its weekday's subjects; every `withdrawEvery`-th day is withdrawn afterwards.
inline void registerDays(AppState &state, const QDate &first, const QDate &last,
                         int withdrawEvery = 0) {
    int n = 0;
    for (QDate d = first; d <= last; d = d.addDays(1), ++n) {
        const int weekday = (d.dayOfWeek() - 1) % 6;
        DayRef day =
            makeRegisteredDay(d, weekdaySubjects(weekday), fncStdCredit(state.intGrade, weekday));
        if (withdrawEvery > 0 && n % withdrawEvery == withdrawEvery - 1)
            day->boolNowPlanning = kTrue;
        state.objFirstDay->appendDay(day);
    }
}

// Marks `count` - 14 teacher's holidays after the national ones: one a day from 1 April on
// (slot `count`, the spare one, keeps whatever it holds).
inline void addTeacherHolidays(AppState &state, int count) {
    const QDate first(state.intYear, 4, 1);
    for (int k = kNationalHolidayRows; k < count; ++k)
        setSpecialDate(state, k, first.addDays(k - kNationalHolidayRows));
    state.intSpecialCount = qint16(count);
}

// The largest file a teacher can make: 200 special holidays and every day of a leap school
// year registered (2027: February 2028 has 29 days), 140 + 2 * 200 + 6 * 366 = 2736 lines.
inline AppState largestState(int year = 2027) {
    AppState state = classState(year, 6);
    fillPlans(state);
    addTeacherHolidays(state, kMaxSpecialCount);
    registerDays(state, QDate(year, 4, 1), QDate(year + 1, 3, 31), 17);
    return state;
}

} // namespace mirune::sample
