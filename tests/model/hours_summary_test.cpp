// The hours summary: plan, actual and difference of the chosen term and of the year, recomputed
// from the day chain each time.

#include "model/hours_summary.h"
#include "model/school_day.h"
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
    void implementationRate_data();
    void implementationRate();
    void rateColumnsFollowTheRows();
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

void HoursSummaryTest::implementationRate_data() {
    QTest::addColumn<int>("plan");
    QTest::addColumn<int>("actual");
    QTest::addColumn<QString>("text");
    QTest::newRow("on plan") << 30 << 30 << u"100.0%"_s;
    QTest::newRow("part of the plan") << 90 << 81 << u"90.0%"_s;
    QTest::newRow("a third, rounded") << 3 << 1 << u"33.3%"_s;
    QTest::newRow("over the plan") << 30 << 37 << u"123.3%"_s;
    QTest::newRow("nothing done yet") << 30 << 0 << u"0.0%"_s;
    QTest::newRow("plan 0, nothing done") << 0 << 0 << u"—"_s;
    QTest::newRow("plan 0, hours done") << 0 << 12 << u"—"_s;
    QTest::newRow("negative plan from an edited file") << -3 << 12 << u"—"_s;
    QTest::newRow("16-bit extremes") << 32767 << -32768 << u"-100.0%"_s;
}

void HoursSummaryTest::implementationRate() {
    QFETCH(int, plan);
    QFETCH(int, actual);
    QFETCH(QString, text);
    const std::optional<double> rate = fncImplementationRate(plan, actual);
    QCOMPARE(rate.has_value(), plan > 0);
    QCOMPARE(fncRateText(rate), text);
}

void HoursSummaryTest::rateColumnsFollowTheRows() {
    AppState state = plannedState();
    state.objFirstDay->appendDay(dayOn(QDate(2004, 4, 6), u"国国国算　　　　"_s, u"33330000"_s));
    const HoursSummary s = fncHoursSummary(state, 1);
    // 国語: 3 of 10 lessons in term 1, 3 of 30 in the year; 算数 has no plan in term 1.
    const auto kokugo = fncSummaryRowTexts(row(s, F::kokugo));
    QCOMPARE(kokugo[7], u"30.0%"_s);
    QCOMPARE(kokugo[8], u"10.0%"_s);
    const auto sannsuu = fncSummaryRowTexts(row(s, F::sannsuu));
    QCOMPARE(sannsuu[3], u"1.0"_s);
    QCOMPARE(sannsuu[7], u"—"_s);
    QCOMPARE(sannsuu[8], u"33.3%"_s);
    QCOMPARE(hoursSummaryHeadings()[7], u"学期･実施率"_s);
    QCOMPARE(hoursSummaryHeadings()[8], u"年間･実施率"_s);
}

QTEST_APPLESS_MAIN(HoursSummaryTest)
#include "hours_summary_test.moc"
