#pragma once

// States for the sheet tests and the printing benchmark: a small class with a handful of
// registered days whose every figure can be worked out by hand, and a realistic class with a
// whole year recorded.

#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/day_record.h"
#include "model/hour_totals.h"
#include "model/school_day.h"
#include "model/term_rule.h"

#include <QDate>
#include <QString>
#include <array>

namespace mirune::test {

using namespace Qt::StringLiterals;

// A started-up state for a class of school year `year` with the class page's vacations.
inline AppState classState(int year, int grade, const QString &klass, const QString &teacher,
                           const VacationDays &days = {}) {
    AppState state;
    subInitApp(state);
    state.intYear = qint16(year);
    state.intGrade = qint16(grade);
    state.strClass = klass;
    state.strTeacher = teacher;
    subGetHoliday(state, days);
    return state;
}

// Puts a registered day into the chain at its date's place.
inline DayRef registerDay(AppState &state, const QDate &date, const QString &subjects,
                          const QString &credits) {
    DayRef day = makeRegisteredDay(date, subjects, credits);
    state.objFirstDay->appendDay(day);
    return day;
}

// A planned term figure, with the term's subtotals and totals kept in step as the annual plan
// page keeps them.
inline void setPlan(AppState &state, int term, HourField field, qint16 units) {
    HourCounts &hours = state.objSeasonPlan->terms()[term - 1]->hours;
    hours[field] = units;
    hours.deriveTotals();
}

// Fills a weekday (0 Monday .. 5 Saturday) of a timetable.
inline void setTimetableDay(ZuriWeekTotal &timetable, int weekday, const QString &subjects) {
    ZuriDayTime *day = timetable.objFirstDay.get();
    for (int i = 0; i < weekday && day; ++i)
        day = day->objNextDay.get();
    if (day)
        day->strSubject = subjects;
}

// School year 2026 of class ４年２組, teacher 山田, the class page's vacations (term 1 from
// Monday 6 April to Sunday 19 July, term 2 from Tuesday 1 September to Thursday 24 December,
// term 3 from Friday 8 January to Thursday 18 March 2027). Recorded:
// - Tuesday 7 April: 国算社理体音図学, 45 minutes each for periods 0..5;
// - Wednesday 8 April: registered, then withdrawn;
// - Saturday 11 April: 国国 in periods 0 and 1, 45 minutes each;
// - Tuesday 1 September: 算算 in periods 0 and 1.
// Wednesday 29 April is a national holiday. Plans: term 1 国語 30 units (10.0), 算数 0;
// term 2 算数 3 units; the plan's year fields summed.
inline AppState smallState(const VacationDays &days = {}) {
    AppState state = classState(2026, 4, u"2"_s, u"山田"_s, days);
    registerDay(state, QDate(2026, 4, 7), u"国算社理体音図学"_s, u"33333300"_s);
    DayRef withdrawn = registerDay(state, QDate(2026, 4, 8), u"国国国国国国国国"_s, u"33333333"_s);
    withdrawn->boolNowPlanning = kTrue;
    registerDay(state, QDate(2026, 4, 11), u"国国　　　　　　"_s, u"33000000"_s);
    registerDay(state, QDate(2026, 9, 1), u"算算　　　　　　"_s, u"33000000"_s);
    setPlan(state, 1, HourField::kokugo, 30);
    setPlan(state, 2, HourField::sannsuu, 3);
    state.objSeasonPlan->calculate();
    return state;
}

// A grade-3 class of 2026 as a teacher leaves it at the end of the year: timetables A and B,
// every school day recorded from timetable A except one in eleven, one in twenty-three
// recorded days withdrawn again, and a plan for every term close to what was taught.
inline AppState fullYearState() {
    AppState state = classState(2026, 3, u"1"_s, u"鈴木　一郎"_s);

    const std::array<QString, 5> weekA = {
        u"学国算社理体　　"_s, u"国算音図図体　　"_s, u"国算社理総総　　"_s,
        u"国算体道理音　　"_s, u"国算社総学ク　　"_s,
    };
    const std::array<QString, 5> weekB = {
        u"学国算社理行　　"_s, u"国算音図図行　　"_s, u"国算社理行行　　"_s,
        u"国算体道理行　　"_s, u"国算社総行行　　"_s,
    };
    for (int w = 0; w < 5; ++w) {
        setTimetableDay(*state.objWeekPlanA, w, weekA[w]);
        setTimetableDay(*state.objWeekPlanB, w, weekB[w]);
    }
    WeekCredits credits;
    for (int w = 0; w < 6; ++w)
        credits[w] = fncStdCredit(3, w);
    state.strWeekCreditA = credits;
    state.strWeekCreditB = credits;
    subApplyWeekCredits(*state.objWeekPlanA, credits);
    subApplyWeekCredits(*state.objWeekPlanB, credits);

    // The record, built in date order straight behind the head.
    ZuriDayTime *last = state.objFirstDay.get();
    int schoolDay = 0;
    const DateRange year = schoolYearRange(2026);
    for (QDate d = year.first; d <= year.last; d = d.addDays(1)) {
        if (!fncIsSchoolDay(state, d))
            continue;
        if (++schoolDay % 11 == 0)
            continue;
        const int weekday = d.dayOfWeek() - 1;
        DayRef day = makeRegisteredDay(d, weekA[weekday], credits[weekday]);
        if (schoolDay % 23 == 0)
            day->boolNowPlanning = kTrue;
        last->objNextDay = day;
        last = day.get();
    }

    // A plan close to what was taught: each term's actual hours rounded to whole lesson hours,
    // up for some subjects and down for others, so that the differences go both ways.
    subRefreshActualTotals(state);
    const auto actualTerms = state.objYearTotal->terms();
    for (int term = 1; term <= 3; ++term) {
        for (HourField field : baseFields()) {
            const int units = actualTerms[term - 1]->hours[field];
            const bool up = (static_cast<int>(field) + term) % 2 == 0;
            const int hours = up ? (units + 2) / 3 : units / 3;
            setPlan(state, term, field, qint16(hours * 3));
        }
    }
    state.objSeasonPlan->calculate();
    return state;
}

} // namespace mirune::test
