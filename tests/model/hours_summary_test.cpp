// The hours summary: plan, actual and difference of the chosen term and of the year, recomputed
// from the day chain each time.

#include "model/hours_summary.h"
#include "model_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

using F = HourField;

// A grade-3 class of 2004 with 10 lessons of 国語 planned per term and 3 of 算数 in term 2.
AppState plannedState() {
    AppState state = wizardState(2004);
    for (const SeasonTotalRef &term : state.objSeasonPlan->terms())
        (*term)[F::kokugo] = 30;
    (*state.objSeasonPlan->terms()[1])[F::sannsuu] = 9;
    for (const SeasonTotalRef &term : state.objSeasonPlan->terms())
        term->hours.deriveTotals();
    state.objSeasonPlan->calculate();
    return state;
}

const HoursSummaryRow &row(const HoursSummary &s, F field) {
    return s.rows[static_cast<int>(field)];
}

} // namespace

class HoursSummaryTest : public QObject {
    Q_OBJECT

  private slots:
    void noRecordsGivesTheNegatedPlan();
    void recordsCountIntoTheirTerms();
    void termChoiceChangesOnlyTheTermColumns();
    void differencesDoNotWrap();
    void termPreselectedByMonth_data();
    void termPreselectedByMonth();
};

void HoursSummaryTest::noRecordsGivesTheNegatedPlan() {
    AppState state = plannedState();
    const HoursSummary s = fncHoursSummary(state, 2);
    for (const HoursSummaryRow &r : s.rows) {
        QCOMPARE(r.termActual, 0);
        QCOMPARE(r.termDifference, -r.termPlan);
        QCOMPARE(r.yearDifference, -r.yearPlan);
    }
    QCOMPARE(row(s, F::kokugo).termPlan, 30);
    QCOMPARE(row(s, F::sannsuu).termPlan, 9);
    QCOMPARE(row(s, F::kokugo).yearPlan, 90);
    QCOMPARE(row(s, F::SouJisuu).yearPlan, 99);
}

void HoursSummaryTest::recordsCountIntoTheirTerms() {
    AppState state = plannedState();
    // An August day counts into the second term; a withdrawn day into none.
    state.objFirstDay->appendDay(dayOn(QDate(2004, 8, 30), u"国国国国国国国国"_s, u"33333333"_s));
    state.objFirstDay->appendDay(
        withdrawnDayOn(QDate(2004, 9, 1), u"算算算算算算算算"_s, u"33333333"_s));
    state.objFirstDay->appendDay(dayOn(QDate(2005, 1, 11), u"算　　　　　　　"_s, u"30000000"_s));

    const HoursSummary s = fncHoursSummary(state, 2);
    QCOMPARE(row(s, F::kokugo).termActual, 24);
    QCOMPARE(row(s, F::kokugo).termDifference, -6);
    QCOMPARE(row(s, F::sannsuu).termActual, 0);
    QCOMPARE(row(s, F::sannsuu).yearActual, 3);
    QCOMPARE(row(s, F::sannsuu).yearDifference, -6);
    QCOMPARE(row(s, F::SouJyugyouJisuu).yearActual, 27);
    QCOMPARE(s.termActuals[2][F::sannsuu], 3);
}

void HoursSummaryTest::termChoiceChangesOnlyTheTermColumns() {
    AppState state = plannedState();
    state.objFirstDay->appendDay(dayOn(QDate(2004, 5, 10)));
    const HoursSummary first = fncHoursSummary(state, 1);
    const HoursSummary second = fncHoursSummary(state, 2);
    for (HourField f : displayOrder()) {
        QCOMPARE(row(first, f).yearPlan, row(second, f).yearPlan);
        QCOMPARE(row(first, f).yearActual, row(second, f).yearActual);
    }
    QCOMPARE(row(first, F::syakai).termActual, 3);
    QCOMPARE(row(second, F::syakai).termActual, 0);
    QCOMPARE(row(second, F::sannsuu).termPlan, 9);
    QCOMPARE(row(first, F::sannsuu).termPlan, 0);
}

void HoursSummaryTest::differencesDoNotWrap() {
    AppState state = plannedState();
    (*state.objSeasonPlan->terms()[0])[F::rika] = 32767;
    (*state.objSeasonPlan->terms()[0])[F::katei] = -32768;
    const HoursSummary s = fncHoursSummary(state, 1);
    QCOMPARE(row(s, F::rika).termDifference, -32767);
    QCOMPARE(row(s, F::katei).termDifference, 32768);
}

void HoursSummaryTest::termPreselectedByMonth_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("term");
    QTest::newRow("April") << 4 << 1;
    QTest::newRow("July") << 7 << 1;
    QTest::newRow("August, counted in the second term") << 8 << 2;
    QTest::newRow("September") << 9 << 2;
    QTest::newRow("December") << 12 << 2;
    QTest::newRow("January") << 1 << 3;
    QTest::newRow("March") << 3 << 3;
}

void HoursSummaryTest::termPreselectedByMonth() {
    QFETCH(int, month);
    QFETCH(int, term);
    QCOMPARE(fncSummaryTermForMonth(month), term);
}

QTEST_APPLESS_MAIN(HoursSummaryTest)
#include "hours_summary_test.moc"
