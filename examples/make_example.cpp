// Writes the example data file: a grade-3 class of school year 2026 with a full annual plan,
// timetables A and B, and the first term's lessons registered (one registration withdrawn).
//
//   mirune-make-example OUT.zr2
//
// Everything goes through the program's own routines (class page, holiday computation,
// timetable storing, day registration, Save), so the file is exactly what a teacher would have.
// Nothing is random: the same program always writes the same bytes.

#include "model/class_settings.h"
#include "model/school_day.h"
#include "model/term_rule.h"
#include "model/units.h"
#include "storage/data_file.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

constexpr int kYear = 2026;

// Lesson hours a year for grade 3 (45-minute hours), base hours alike: the standard hours of the
// 2008 course of study (2011 to 2019, 特別活動 under 学活) with some club, council and event
// hours besides. They are not the standard of the school year 2026, whose grade 3 also has 35
// hours of 外国語活動: the plan keeps to the rows of the 2002 file, so the file keeps that form.
struct PlannedHours {
    HourField field;
    int lessonHours;
};
constexpr PlannedHours kAnnualPlan[] = {
    {HourField::kokugo, 245},      {HourField::syakai, 70},
    {HourField::sannsuu, 175},     {HourField::rika, 90},
    {HourField::onngaku, 60},      {HourField::zukou, 60},
    {HourField::taiiku, 105},      {HourField::sougou, 70},
    {HourField::doutoku, 35},      {HourField::gakkyuukatsudou, 35},
    {HourField::kurabu, 3},        {HourField::jidoukai, 4},
    {HourField::gakkougyouji, 12},
};

// Share of the year's hours planned for terms 1 and 2, in percent; term 3 takes the rest.
constexpr int kTerm1Percent = 36;
constexpr int kTerm2Percent = 41;

void fillPlans(AppState &state) {
    const auto terms = state.objSeasonPlan->terms();
    for (const PlannedHours &p : kAnnualPlan) {
        const int units = p.lessonHours * kUnitsPerLessonHour;
        const int term1 = units * kTerm1Percent / 100;
        const int term2 = units * kTerm2Percent / 100;
        (*state.objYearPlan)[p.field] = qint16(units);
        (*terms[0])[p.field] = qint16(term1);
        (*terms[1])[p.field] = qint16(term2);
        (*terms[2])[p.field] = qint16(units - term1 - term2);
    }
    state.objYearPlan->hours.deriveTotals();
    for (const SeasonTotalRef &t : terms)
        t->hours.deriveTotals();
    state.objSeasonPlan->calculate();
}

// Subjects of periods 0..7, Monday to Friday. Period 0 is the 15-minute morning module.
constexpr const char16_t *kTimetableA[5] = {
    u"国国算社体学　　", u"算国算理音総　　", u"国国算図図体　　",
    u"算国社理音総　　", u"国国算体道理　　",
};
// Timetable B: the week of a school event, with event hours in the afternoon.
constexpr const char16_t *kTimetableB[5] = {
    u"国国算社行行　　", u"算国算理行行　　", u"国国算図図体　　",
    u"算国社理音総　　", u"国国算体道児　　",
};

void fillTimetable(ZuriWeekTotal &week, WeekCredits &credits, const char16_t *const subjects[5],
                   int grade) {
    int weekday = 0;
    for (ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get(), ++weekday)
        if (weekday < 5)
            d->strSubject = QString::fromUtf16(subjects[weekday]);
    for (int i = 0; i < kStoredWeekCredits; ++i)
        credits[i] = fncStdCredit(grade, i);
    subApplyWeekCredits(week, credits);
}

// The first term as taught: timetable A, with a few school events, a club hour in July, a
// children's council hour each month, and one lesson cut short on the first day.
void registerFirstTerm(AppState &state) {
    const DateRange term = calendarTermRange(kYear, 1);
    int schoolDay = 0;
    for (QDate d = term.first; d <= term.last; d = d.addDays(1)) {
        if (!fncIsSchoolDay(state, d) || d.dayOfWeek() > 5)
            continue;
        const int weekday = d.dayOfWeek() - 1;
        QString subjects = QString::fromUtf16(kTimetableA[weekday]);
        QString credits = state.strWeekCreditA[weekday];
        if (schoolDay == 0) {
            subjects = u"　行行学　　　　"_s; // opening ceremony and the first class meeting
            credits = u"03320000"_s;
        } else if (d == QDate(kYear, 5, 22) || d == QDate(kYear, 6, 19)) {
            subjects[4] = u'行'; // sports day rehearsal, school trip
            subjects[5] = u'行';
        } else if (d.day() <= 7 && weekday == 4) {
            subjects[5] = u'児'; // children's council, first Friday of the month
        } else if (d == QDate(kYear, 7, 9)) {
            subjects[5] = u'ク';
        }
        state.objFirstDay->appendDay(makeRegisteredDay(d, subjects, credits));
        ++schoolDay;
    }
    // One registration was cancelled afterwards: the day stays in the file, withdrawn.
    state.objFirstDay->withdrawDay(QDate(kYear, 6, 12));
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << u"usage: mirune-make-example OUT.zr2"_s << Qt::endl;
        return 2;
    }

    AppState state;
    subInitApp(state);
    subGetClass(state, ClassChoice{kYear, u"3"_s, u"1"_s, u"山田　花子"_s}, nullptr);
    subGetHoliday(state, fncInitialVacationDays(kYear));
    // The teacher's own holidays: the school's founding day and a make-up holiday after the
    // Saturday open day.
    for (const QDate &d : {QDate(kYear, 6, 1), QDate(kYear, 10, 19)})
        setSpecialDate(state, state.intSpecialCount++, d);
    fillPlans(state);
    fillTimetable(*state.objWeekPlanA, state.strWeekCreditA, kTimetableA, state.intGrade);
    fillTimetable(*state.objWeekPlanB, state.strWeekCreditB, kTimetableB, state.intGrade);
    registerFirstTerm(state);

    state.strFileName = args[1];
    const SaveResult saved = subSaveFile(state);
    if (!saved.ok()) {
        err << saved.message << Qt::endl;
        return 1;
    }
    return 0;
}
