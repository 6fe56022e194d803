// The months of a school year and the pace: each month's school days and actual hours, counted
// as the term totals count them; months adding up to the terms and the year for every year of
// generated plans; the plan due by a day and the rule that says a row is behind.

#include "hand_worked_year.h"
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
    void paceOfTheHandWorkedYear();
    void paceDays_data();
    void paceDays();
    void paceWithoutADay();
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

// The year worked out by hand (hand_worked_year.h): its months, and where every row stands on
// 15 April.
void MonthlyTotalsTest::paceOfTheHandWorkedYear() {
    namespace hw = hand_worked;
    const AppState state = hw::state();
    const MonthlyPace pace = fncMonthlyPace(state, hw::kPaceDay);
    QCOMPARE(pace.date, hw::kPaceDay);
    QCOMPARE(pace.daysPast, hw::kDaysPast);
    QCOMPARE(pace.totals.yearSchoolDays, hw::kYearSchoolDays);
    for (int i = 0; i < kSchoolYearMonths; ++i) {
        QCOMPARE(pace.totals.months[i].schoolDays, hw::kMonthSchoolDays[i]);
        for (HourField f : displayOrder())
            QVERIFY2(pace.totals.months[i].actual[f] == hw::monthUnits(i, f),
                     qPrintable(u"month %1, %2"_s.arg(i).arg(
                         QString::fromLatin1(subjectInfo(f).fieldName))));
    }
    for (const hw::PaceCase &c : hw::kPaceCases) {
        const PaceRow &row = pace.row(c.field);
        const QString name = QString::fromLatin1(subjectInfo(c.field).fieldName);
        QVERIFY2(row.due == c.dueUnits, qPrintable(name));
        QCOMPARE(fncUnitsToText(row.yearPlan), QString::fromUtf16(c.plan));
        QCOMPARE(fncUnitsToText(row.actual), QString::fromUtf16(c.actual));
        QCOMPARE(fncUnitsToText(row.due), QString::fromUtf16(c.due));
        QCOMPARE(fncUnitsToText(row.difference), QString::fromUtf16(c.difference));
        QVERIFY2(row.behind == c.behind, qPrintable(name));
        QCOMPARE(int(pace.due()[c.field]), c.dueUnits);
    }
    QCOMPARE(pace.behindRows(), QList<HourField>{F::gaikokugo});
    // The main window counts subjects and activities: no subtotals or totals.
    QCOMPARE(fncBehindFields(state, hw::kPaceDay), QList<HourField>{F::gaikokugo});
}

// The day a pace is taken on and the school days before it, asked before, in and after the year.
void MonthlyTotalsTest::paceDays_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(hand_worked::kPaceDays.size()); ++i)
        QTest::newRow(hand_worked::kPaceDays[std::size_t(i)].name) << i;
}

void MonthlyTotalsTest::paceDays() {
    QFETCH(int, index);
    const hand_worked::PaceDay &day = hand_worked::kPaceDays[std::size_t(index)];
    const AppState state = hand_worked::state();
    QCOMPARE(fncPaceDate(state, day.asked), day.date);
    const MonthlyPace pace = fncMonthlyPace(state, day.asked);
    QCOMPARE(pace.date, day.date);
    QCOMPARE(pace.daysPast, day.daysPast);
    QCOMPARE(pace.row(F::kokugo).due, day.kokugoDue);
    // Asked for the day it is taken on, the pace is the same.
    QCOMPARE(fncMonthlyPace(state, day.date).row(F::kokugo).due, day.kokugoDue);
}

void MonthlyTotalsTest::paceWithoutADay() {
    const AppState state = hand_worked::state();
    QCOMPARE(fncPaceDate(state, QDate()), QDate(2026, 4, 1));
}

QTEST_APPLESS_MAIN(MonthlyTotalsTest)
#include "monthly_totals_test.moc"
