// Start-up of the application state, the default time codes, and the reset the Close command
// runs.

#include "model/app_state.h"
#include "model/school_day.h"
#include "model/term_rule.h"
#include "model_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

// Checks the six weekday records of a weekly timetable; returns an empty text or what is wrong.
QString timetableProblem(const ZuriWeekTotal &week) {
    if (!week.objFirstDay || !week.objLastDay)
        return u"missing first or last day"_s;
    int weekday = 0;
    const ZuriDayTime *last = nullptr;
    for (const ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get()) {
        ++weekday;
        last = d;
        if (d->intWeekName != weekday)
            return u"weekday %1 has intWeekName %2"_s.arg(weekday).arg(d->intWeekName);
        if (d->boolWeekEnd != (weekday == 6 ? kTrue : kFalse))
            return u"boolWeekEnd wrong on weekday %1"_s.arg(weekday);
        if (d->boolWorkDay != kFalse || d->boolNowPlanning != kFalse)
            return u"flags set on weekday %1"_s.arg(weekday);
        if (!isZeroDate(d->dateThisDay) || d->intThisDay != 0)
            return u"date set on weekday %1"_s.arg(weekday);
    }
    if (weekday != 6)
        return u"%1 records"_s.arg(weekday);
    if (last != week.objLastDay.get())
        return u"objLastDay is not the Saturday record"_s;
    return QString();
}

QString threeTermsProblem(const ZuriYearTotal &year) {
    const auto t = year.terms();
    if (!t[0] || !t[1] || !t[2])
        return u"fewer than three terms"_s;
    if (t[2]->objNextSeason)
        return u"more than three terms"_s;
    if (year.objFirstSeason != t[0] || year.objLastSeason != t[2])
        return u"first or last term link wrong"_s;
    return QString();
}

bool allZero(const HourCounts &h) {
    return h == HourCounts{};
}

} // namespace

class AppStateTest : public QObject {
    Q_OBJECT

  private slots:
    void startUp();
    void defaultTimeCodes_data();
    void defaultTimeCodes();
    void defaultTimeCodesOutsideTheTable();
    void timetableTotalsFollowItsTimeCodes();
    void closeResetKeepsClassAndHolidaySettings();
    void dateSettersKeepDayNumbers();
};

void AppStateTest::startUp() {
    AppState state;
    subInitApp(state);

    QCOMPARE(state.intEditWeek, kTrue);
    QCOMPARE(state.boolFirstActivate, kTrue);
    QCOMPARE(state.boolDaySelected, qint16(0));
    QCOMPARE(state.intYear, qint16(0));
    QCOMPARE(state.intGrade, qint16(0));
    QVERIFY(state.strClass.isEmpty() && state.strTeacher.isEmpty());
    QVERIFY(state.strFileName.isEmpty());

    for (int i = 0; i < kWeekCreditSlots; ++i) {
        QVERIFY(state.strWeekCreditA[i].isEmpty());
        QVERIFY(state.strWeekCreditB[i].isEmpty());
    }
    QCOMPARE(timetableProblem(*state.objWeekPlanA), QString());
    QCOMPARE(timetableProblem(*state.objWeekPlanB), QString());
    QVERIFY(state.objWeekPlanA != state.objWeekPlanB);
    QVERIFY(state.objWeekPlanA->objFirstDay != state.objWeekPlanB->objFirstDay);
    QVERIFY(allZero(state.objWeekPlanA->hours));

    // The chain has its head and no day.
    QVERIFY(state.objFirstDay);
    QVERIFY(!state.objFirstDay->objNextDay);
    QVERIFY(isZeroDate(state.objFirstDay->dateThisDay));

    QCOMPARE(threeTermsProblem(*state.objYearTotal), QString());
    QCOMPARE(threeTermsProblem(*state.objSeasonPlan), QString());
    QVERIFY(state.objYearPlan);
    QVERIFY(!state.objYearPlan->objFirstSeason && !state.objYearPlan->objLastSeason);
    QVERIFY(allZero(state.objYearTotal->hours));
    QVERIFY(allZero(state.objSeasonPlan->hours));
    QVERIFY(allZero(state.objYearPlan->hours));

    // Fourteen national-holiday rows counted while still empty.
    QCOMPARE(state.intSpecialCount, qint16(14));
    for (int i = 0; i < kSpecialSlots; ++i) {
        QVERIFY(isZeroDate(state.dateSpecial[i]));
        QCOMPARE(state.intSpecialDay[i], qint16(0));
    }
    for (int i = 0; i < kHolidaySlots; ++i) {
        QVERIFY(isZeroDate(state.dateHoliday[i]));
        QCOMPARE(state.intHolidayDay[i], qint16(0));
    }
    QCOMPARE(state.boolSat1, kFalse);
    QCOMPARE(state.boolSat2, kFalse);
    QVERIFY(isZeroDate(state.dateSelected));
    for (qint16 n : state.intSchoolDays)
        QCOMPARE(n, qint16(0));
}

void AppStateTest::defaultTimeCodes_data() {
    QTest::addColumn<int>("grade");
    QTest::addColumn<QStringList>("week"); // Monday .. Saturday
    QTest::newRow("grade 1") << 1 << QStringList{u"13333200"_s, u"13333000"_s, u"13333300"_s,
                                                 u"13333000"_s, u"13333000"_s, u"13300000"_s};
    QTest::newRow("grade 2") << 2 << QStringList{u"13333200"_s, u"13333300"_s, u"13333300"_s,
                                                 u"13333000"_s, u"13333000"_s, u"13300000"_s};
    QTest::newRow("grade 3") << 3 << QStringList{u"13333200"_s, u"13333300"_s, u"13333300"_s,
                                                 u"13333300"_s, u"13333300"_s, u"13300000"_s};
    for (int grade = 4; grade <= 6; ++grade)
        QTest::addRow("grade %d", grade)
            << grade << QStringList{u"13333300"_s, u"13333310"_s, u"13333300"_s,
                                    u"13333300"_s, u"13333310"_s, u"13300000"_s};
}

void AppStateTest::defaultTimeCodes() {
    QFETCH(int, grade);
    QFETCH(QStringList, week);
    AppState state;
    subInitApp(state);
    for (int weekday = 0; weekday < 6; ++weekday) {
        QCOMPARE(state.strStdCredit[grade - 1][weekday], week[weekday]);
        QCOMPARE(fncStdCredit(grade, weekday), week[weekday]);
    }
    QVERIFY(state.strStdCredit[grade - 1][6].isEmpty());
}

void AppStateTest::defaultTimeCodesOutsideTheTable() {
    AppState state;
    subInitApp(state);
    for (int weekday = 0; weekday < 7; ++weekday)
        QVERIFY(state.strStdCredit[6][weekday].isEmpty());
    QVERIFY(fncStdCredit(0, 0).isEmpty());
    QVERIFY(fncStdCredit(7, 0).isEmpty());
    QVERIFY(fncStdCredit(1, -1).isEmpty());
    QVERIFY(fncStdCredit(1, 6).isEmpty());
}

void AppStateTest::timetableTotalsFollowItsTimeCodes() {
    AppState state;
    subInitApp(state);
    ZuriWeekTotal &a = *state.objWeekPlanA;
    // Grade 1 timetable: 国 in every period of every weekday.
    for (ZuriDayTime *d = a.objFirstDay.get(); d; d = d->objNextDay.get())
        d->strSubject = u"国国国国国国国国"_s;
    for (int weekday = 0; weekday < 6; ++weekday)
        state.strWeekCreditA[weekday] = state.strStdCredit[0][weekday];
    subApplyWeekCredits(a, state.strWeekCreditA);

    int weekday = 0;
    for (const ZuriDayTime *d = a.objFirstDay.get(); d; d = d->objNextDay.get(), ++weekday)
        QCOMPARE(d->strCredit, state.strWeekCreditA[weekday]);
    // 15 + 13 + 16 + 13 + 13 + 7 units.
    QCOMPARE(a[HourField::kokugo], qint16(77));
    QCOMPARE(a[HourField::SouJisuu], qint16(77));
    QVERIFY(allZero(state.objWeekPlanB->hours)); // B is a timetable of its own
}

void AppStateTest::closeResetKeepsClassAndHolidaySettings() {
    AppState state = wizardState(2004);
    state.intGrade = 3;
    state.strClass = u"2"_s;
    state.strTeacher = u"山田花子"_s;
    state.strFileName = u"/tmp/class.zr2"_s;
    setSpecialDate(state, 14, QDate(2004, 6, 9));
    setSpecialDate(state, 15, QDate(2004, 10, 1));
    state.intSpecialCount = 16;
    state.strWeekCreditA[0] = u"13333300"_s;
    state.strWeekCreditB[4] = u"13333310"_s;
    state.objWeekPlanA->objFirstDay->strSubject = u"国算社理体音図学"_s;
    state.objFirstDay->appendDay(dayOn(QDate(2004, 4, 12)));
    (*state.objYearPlan)[HourField::kokugo] = 816;
    (*state.objSeasonPlan->objFirstSeason)[HourField::kokugo] = 300;
    subRefreshActualTotals(state);
    QVERIFY((*state.objYearTotal)[HourField::kokugo] != 0);
    state.intEditWeek = kFalse;

    const auto holidays = state.dateHoliday;
    const auto holidayDays = state.intHolidayDay;
    const auto specials = state.dateSpecial;
    const auto specialDays = state.intSpecialDay;
    const auto schoolDaysBefore = fncCountSchoolDays(state);

    // The Close command: the file name first, then both rebuilds.
    state.strFileName.clear();
    subInitWeekData(state);
    subInitYearData(state);

    // Plans, timetables, records and totals are empty again.
    for (int i = 0; i < 6; ++i) {
        QVERIFY(state.strWeekCreditA[i].isEmpty());
        QVERIFY(state.strWeekCreditB[i].isEmpty());
    }
    QCOMPARE(timetableProblem(*state.objWeekPlanA), QString());
    QVERIFY(state.objWeekPlanA->objFirstDay->strSubject.isEmpty());
    QVERIFY(!state.objFirstDay->objNextDay);
    QCOMPARE(threeTermsProblem(*state.objYearTotal), QString());
    QCOMPARE(threeTermsProblem(*state.objSeasonPlan), QString());
    QVERIFY(allZero(state.objYearTotal->hours));
    QVERIFY(allZero(state.objYearPlan->hours));
    QVERIFY(allZero(state.objSeasonPlan->objFirstSeason->hours));
    QCOMPARE(state.intSpecialCount, qint16(14));

    // The class, the vacations and the Saturday rule stay, so the calendar shows the same year;
    // the teacher's rows are no longer counted.
    QCOMPARE(state.intYear, qint16(2004));
    QCOMPARE(state.intGrade, qint16(3));
    QCOMPARE(state.strClass, u"2"_s);
    QCOMPARE(state.strTeacher, u"山田花子"_s);
    QCOMPARE(state.dateHoliday, holidays);
    QCOMPARE(state.intHolidayDay, holidayDays);
    QCOMPARE(state.dateSpecial, specials);
    QCOMPARE(state.intSpecialDay, specialDays);
    QCOMPARE(state.boolSat1, kFalse);
    QCOMPARE(state.boolSat2, kTrue);
    QCOMPARE(state.intEditWeek, kFalse);
    const auto schoolDaysAfter = fncCountSchoolDays(state);
    QCOMPARE(schoolDaysAfter[0], schoolDaysBefore[0] + 1); // 9 June counts again
    QCOMPARE(schoolDaysAfter[1], schoolDaysBefore[1] + 1); // 1 October counts again
    QCOMPARE(schoolDaysAfter[2], schoolDaysBefore[2]);
}

void AppStateTest::dateSettersKeepDayNumbers() {
    AppState state;
    setHolidayDate(state, 5, QDate(2005, 1, 7));
    QCOMPARE(state.intHolidayDay[5], qint16(7));
    setHolidayDate(state, 7, QDate(2004, 3, 31));
    QCOMPARE(state.intHolidayDay[7], qint16(91));
    setSpecialDate(state, 200, QDate(2004, 12, 31));
    QCOMPARE(state.dateSpecial[200], QDate(2004, 12, 31));
    QCOMPARE(state.intSpecialDay[200], qint16(366));
}

QTEST_APPLESS_MAIN(AppStateTest)
#include "app_state_test.moc"
