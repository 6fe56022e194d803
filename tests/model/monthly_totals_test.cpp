// The months of a school year and the pace: each month's school days and actual hours, counted
// as the term totals count them; months adding up to the terms and the year for every year of
// generated plans; the plan due by a day and the rule that says a row is behind.

#include "model/hours_pace.h"
#include "model/monthly_totals.h"
#include "model/school_day.h"
#include "model/term_rule.h"
#include "model_test_support.h"
#include "storage/sample_states.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;

namespace {

using F = HourField;

// Class 5-1 of 2026 with the class page's vacations (summer 20 July to 31 August, so August has
// no school day). Registered, in units:
// - Tue 7 April: 国 算 社 理 体 音 three each, 図 and 学 of length 0;
// - Wed 8 April: eight periods of 国, withdrawn;
// - Thu 14 May: 国 one 15-minute period, 算 3;
// - Tue 25 August, in the vacation: 行 6 (a school event);
// - Tue 12 January 2027: 算 3, 切 3, 予 1;
// - Thu 18 March 2027: 英 (外国語) 6.
AppState fixtureState() {
    AppState state = wizardState(2026);
    state.intGrade = 5;
    ZuriDayTime &head = *state.objFirstDay;
    head.appendDay(dayOn(QDate(2026, 4, 7), u"国算社理体音図学"_s, u"33333300"_s));
    head.appendDay(withdrawnDayOn(QDate(2026, 4, 8), u"国国国国国国国国"_s, u"33333333"_s));
    head.appendDay(dayOn(QDate(2026, 5, 14), u"国算　　　　　　"_s, u"13000000"_s));
    head.appendDay(dayOn(QDate(2026, 8, 25), u"行行　　　　　　"_s, u"33000000"_s));
    head.appendDay(dayOn(QDate(2027, 1, 12), u"算切予　　　　　"_s, u"33100000"_s));
    head.appendDay(dayOn(QDate(2027, 3, 18), u"英英　　　　　　"_s, u"33000000"_s));
    return state;
}

void setYearPlan(AppState &state, F field, int units) {
    // The whole year's plan in the third term: the pace looks at the year's sums only.
    HourCounts &term = state.objSeasonPlan->terms()[2]->hours;
    term[field] = qint16(units);
    term.deriveTotals();
    state.objSeasonPlan->calculate();
}

// Every field's figure in a month, the ones not named 0.
void expectMonth(const MonthTotal &month, std::initializer_list<std::pair<F, int>> figures) {
    HourCounts expected;
    for (const auto &[field, units] : figures)
        expected[field] = qint16(units);
    expected.deriveTotals();
    for (HourField f : displayOrder())
        QVERIFY2(month.actual[f] == expected[f],
                 qPrintable(u"%1 %2: %3, not %4"_s
                                .arg(month.firstDay.toString(u"yyyy-MM"_s),
                                     QString::fromLatin1(subjectInfo(f).fieldName))
                                .arg(month.actual[f])
                                .arg(expected[f])));
}

} // namespace

class MonthlyTotalsTest : public QObject {
    Q_OBJECT

  private slots:
    void monthsOfTheFixture();
    void monthsAddUpToTheTermsEveryYear();
    void dueUnits_data();
    void dueUnits();
    void behindRule_data();
    void behindRule();
    void paceOfTheFixture();
    void paceDate_data();
    void paceDate();
};

void MonthlyTotalsTest::monthsOfTheFixture() {
    const AppState state = fixtureState();
    const MonthlyTotals totals = fncMonthlyTotals(state);

    QCOMPARE(totals.months[0].firstDay, QDate(2026, 4, 1));
    QCOMPARE(totals.months[8].firstDay, QDate(2026, 12, 1));
    QCOMPARE(totals.months[9].firstDay, QDate(2027, 1, 1));
    QCOMPARE(totals.months[11].firstDay, QDate(2027, 3, 1));

    // The withdrawn 8 April counts nothing; the 15-minute period of 14 May counts one unit.
    expectMonth(totals.months[0], {{F::kokugo, 3},
                                   {F::sannsuu, 3},
                                   {F::syakai, 3},
                                   {F::rika, 3},
                                   {F::taiiku, 3},
                                   {F::onngaku, 3}});
    expectMonth(totals.months[1], {{F::kokugo, 1}, {F::sannsuu, 3}});
    expectMonth(totals.months[4], {{F::gakkougyouji, 6}});
    expectMonth(totals.months[9], {{F::sannsuu, 3}, {F::uchikiri, 3}, {F::yobi, 1}});
    expectMonth(totals.months[11], {{F::gaikokugo, 6}});
    for (int i : {2, 3, 5, 6, 7, 8, 10})
        expectMonth(totals.months[i], {});
    QCOMPARE(int(totals.months[9].actual[F::SouJisuu]), 7);
    QCOMPARE(int(totals.months[9].actual[F::SouJyugyouJisuu]), 3);

    // School days: April from Monday 6 April, less 昭和の日; August none at all.
    QCOMPARE(totals.months[0].schoolDays, 18);
    QCOMPARE(totals.months[4].schoolDays, 0);
    const auto counts = fncCountSchoolDays(state);
    QCOMPARE(totals.yearSchoolDays, counts[3]);

    AppState refreshed = fixtureState();
    subRefreshActualTotals(refreshed);
    for (int t = 1; t <= 3; ++t)
        QCOMPARE(totals.termActual(t), refreshed.objYearTotal->terms()[t - 1]->hours);
    QCOMPARE(totals.yearActual(), refreshed.objYearTotal->hours);
}

// Every school year the program offers and beyond, with every day registered (weekends and
// vacations too), every seventh withdrawn and a 15-minute first period on every fifth: the
// months add up to the term records and the year to the unit, and their school days to the
// holiday calendar page's counts.
void MonthlyTotalsTest::monthsAddUpToTheTermsEveryYear() {
    for (int year = 2002; year <= 2030; ++year) {
        AppState state = sample::classState(year, 1 + year % 6);
        sample::fillPlans(state);
        sample::registerDays(state, QDate(year, 4, 1), QDate(year + 1, 3, 31), 7);
        int n = 0;
        for (ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get())
            if (++n % 5 == 0) {
                d->strSubject[0] = u'国';
                d->strCredit[0] = u'1';
            }
        const MonthlyTotals totals = fncMonthlyTotals(state);
        subRefreshActualTotals(state);
        const auto terms = state.objYearTotal->terms();
        const auto counts = fncCountSchoolDays(state);
        for (int t = 1; t <= 3; ++t) {
            QVERIFY2(totals.termActual(t) == terms[t - 1]->hours,
                     qPrintable(u"%1 term %2"_s.arg(year).arg(t)));
            int days = 0;
            for (int i = 0; i < kSchoolYearMonths; ++i)
                if (termOfMonth(fncMonthOfIndex(i)) == t)
                    days += totals.months[i].schoolDays;
            QCOMPARE(days, counts[t - 1]);
        }
        QVERIFY2(totals.yearActual() == state.objYearTotal->hours,
                 qPrintable(QString::number(year)));
        QVERIFY(state.objYearTotal->hours[F::kokugo] > 0);
        QCOMPARE(totals.yearSchoolDays, counts[3]);
    }
}

void MonthlyTotalsTest::dueUnits_data() {
    QTest::addColumn<int>("plan");
    QTest::addColumn<int>("past");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("due");
    QTest::newRow("half the year") << 210 << 100 << 200 << 105;
    QTest::newRow("a third, down") << 100 << 1 << 3 << 33;
    QTest::newRow("two thirds, up") << 100 << 2 << 3 << 67;
    QTest::newRow("a half unit rounds up") << 1 << 1 << 2 << 1;
    QTest::newRow("a negative half rounds up too") << -3 << 1 << 2 << -1;
    QTest::newRow("nothing past") << 210 << 0 << 200 << 0;
    QTest::newRow("all past") << 210 << 200 << 200 << 210;
    QTest::newRow("more than the year held to it") << 210 << 250 << 200 << 210;
    QTest::newRow("a year without school days") << 210 << 10 << 0 << 0;
    QTest::newRow("the largest plan, no overflow") << 32767 << 199 << 200 << 32603;
}

void MonthlyTotalsTest::dueUnits() {
    QFETCH(int, plan);
    QFETCH(int, past);
    QFETCH(int, days);
    QFETCH(int, due);
    QCOMPARE(fncDueUnits(plan, past, days), due);
}

void MonthlyTotalsTest::behindRule_data() {
    QTest::addColumn<int>("plan");
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("due");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("behind");
    // 70 hours over 200 days: a week's worth is 210 × 5 ÷ 200 = 5.25 units.
    QTest::newRow("five units short: within a week") << 210 << 95 << 100 << 200 << false;
    QTest::newRow("six units short: more than a week") << 210 << 94 << 100 << 200 << true;
    // A week's worth of exactly 5 units: as many short is still on pace.
    QTest::newRow("exactly a week short") << 200 << 95 << 100 << 200 << false;
    QTest::newRow("a unit past a week") << 200 << 94 << 100 << 200 << true;
    // 10 hours a year: a week's worth is under a unit, so one lesson is the least.
    QTest::newRow("small subject, one lesson short") << 30 << 7 << 10 << 200 << false;
    QTest::newRow("small subject, a unit past a lesson") << 30 << 6 << 10 << 200 << true;
    QTest::newRow("ahead of the plan") << 210 << 120 << 100 << 200 << false;
    QTest::newRow("on the plan") << 210 << 100 << 100 << 200 << false;
    QTest::newRow("no plan") << 0 << 0 << 0 << 200 << false;
    QTest::newRow("no school days, nothing due") << 30 << 0 << 0 << 0 << false;
    // 総授業時数 of a full year: 1015 hours, behind by more than 5 × 3045 ÷ 203 = 75 units.
    QTest::newRow("total, 75 units short") << 3045 << 1425 << 1500 << 203 << false;
    QTest::newRow("total, 76 units short") << 3045 << 1424 << 1500 << 203 << true;
}

void MonthlyTotalsTest::behindRule() {
    QFETCH(int, plan);
    QFETCH(int, actual);
    QFETCH(int, due);
    QFETCH(int, days);
    QFETCH(bool, behind);
    QCOMPARE(fncIsBehind(plan, actual, due, days), behind);
}

void MonthlyTotalsTest::paceOfTheFixture() {
    AppState state = fixtureState();
    setYearPlan(state, F::gaikokugo, 210); // 70 hours; 6 units taught by March
    setYearPlan(state, F::kokugo, 6);      // 2 hours; 4 units taught in term 1
    setYearPlan(state, F::sannsuu, 9);     // 3 hours; 9 units taught
    setYearPlan(state, F::yobi, 300);      // reserve hours are never behind

    const int yearDays = fncCountSchoolDays(state)[3];
    // Monday 13 April: the five school days of the week before are past.
    MonthlyPace pace = fncMonthlyPace(state, QDate(2026, 4, 13));
    QCOMPARE(pace.date, QDate(2026, 4, 13));
    QCOMPARE(pace.daysPast, 5);
    QCOMPARE(pace.totals.yearSchoolDays, yearDays);
    QCOMPARE(pace.row(F::gaikokugo).due, fncDueUnits(210, 5, yearDays));
    QCOMPARE(pace.row(F::gaikokugo).actual, 6);
    QCOMPARE(pace.row(F::gaikokugo).difference, 6 - pace.row(F::gaikokugo).due);
    QVERIFY(pace.behindRows().isEmpty());

    // 11 December: far behind in 外国語 and so in the lesson totals; 国語, with 4 of its 6 units
    // taught, is a lesson short at the most.
    pace = fncMonthlyPace(state, QDate(2026, 12, 11));
    const PaceRow &gaikokugo = pace.row(F::gaikokugo);
    QCOMPARE(gaikokugo.yearPlan, 210);
    QCOMPARE(gaikokugo.due, fncDueUnits(210, pace.daysPast, yearDays));
    QVERIFY(gaikokugo.due > 100);
    QVERIFY(gaikokugo.behind);
    QVERIFY(!pace.row(F::kokugo).behind);
    QVERIFY(!pace.row(F::sannsuu).behind);
    QVERIFY(!pace.row(F::yobi).behind);
    QVERIFY(pace.row(F::yobi).due > pace.row(F::yobi).actual + 100);
    QCOMPARE(pace.behindRows(),
             (QList<HourField>{F::gaikokugo, F::KyoukaSyoukei, F::SouJyugyouJisuu, F::SouJisuu}));
    // The main window counts subjects: no subtotals or totals.
    QCOMPARE(fncBehindFields(state, QDate(2026, 12, 11)), QList<HourField>{F::gaikokugo});
    QCOMPARE(pace.due()[F::gaikokugo], qint16(gaikokugo.due));

    // After the year every school day is past and the whole plan due.
    pace = fncMonthlyPace(state, QDate(2027, 5, 1));
    QCOMPARE(pace.date, QDate(2027, 3, 31));
    QCOMPARE(pace.daysPast, yearDays);
    QCOMPARE(pace.row(F::gaikokugo).due, 210);
}

void MonthlyTotalsTest::paceDate_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    QTest::newRow("inside") << QDate(2026, 12, 11) << QDate(2026, 12, 11);
    QTest::newRow("before the year") << QDate(2026, 3, 31) << QDate(2026, 4, 1);
    QTest::newRow("after the year") << QDate(2027, 4, 1) << QDate(2027, 3, 31);
    QTest::newRow("first day") << QDate(2026, 4, 1) << QDate(2026, 4, 1);
    QTest::newRow("last day") << QDate(2027, 3, 31) << QDate(2027, 3, 31);
    QTest::newRow("no date") << QDate() << QDate(2026, 4, 1);
}

void MonthlyTotalsTest::paceDate() {
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    AppState state = wizardState(2026);
    QCOMPARE(fncPaceDate(state, today), date);
}

QTEST_APPLESS_MAIN(MonthlyTotalsTest)
#include "monthly_totals_test.moc"
