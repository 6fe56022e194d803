// The annual plan as the plan page enters it: which texts it takes, how they are stored in the
// base and term records, and the totals it shows, including sums held at the 16-bit limit.

#include "model/app_state.h"
#include "model/units.h"
#include "model/year_plan_entry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using F = HourField;

AppState newState() {
    AppState state;
    subInitApp(state);
    return state;
}

// Texts of a page where every box holds "0".
PlanTexts zeroTexts() {
    PlanTexts texts;
    texts.base.fill(u"0"_s);
    texts.terms.fill(u"0"_s);
    return texts;
}

int rowOf(HourField field) {
    for (int row = 0; row < kPlanRows; ++row)
        if (planRowField(row) == field)
            return row;
    return -1;
}

} // namespace

class YearPlanEntryTest : public QObject {
    Q_OBJECT
  private slots:
    void rowsFollowTheDisplayOrder() {
        QCOMPARE(kPlanRows, 19);
        QStringList headings;
        for (int row = 0; row < kPlanRows; ++row)
            headings.append(planRowHeading(row).toString());
        QCOMPARE(headings, QStringList({u"国語"_s, u"社会"_s, u"算数"_s, u"理科"_s, u"生活"_s,
                                        u"音楽"_s, u"図工"_s, u"家庭"_s, u"体育"_s, u"外国語"_s,
                                        u"総合"_s, u"道徳"_s, u"外国語活動"_s, u"学活"_s, u"ｸﾗﾌﾞ"_s,
                                        u"児童会"_s, u"行事"_s, u"打切"_s, u"予備"_s}));
        QCOMPARE(planRowField(17), F::uchikiri);
        QCOMPARE(planTermBox(18, 1), 55);
    }

    void validTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("units");
        QTest::newRow("hours and a quarter") << u"32.1"_s << true << 97;
        QTest::newRow("whole hours") << u"32"_s << true << 96;
        QTest::newRow("two quarters") << u"0.2"_s << true << 2;
        QTest::newRow("as the page shows it") << u"272.0"_s << true << 816;
        QTest::newRow("leading zeros") << u"007"_s << true << 21;
        QTest::newRow("largest six characters") << u"9999.2"_s << true << 29999;
        QTest::newRow("largest whole count") << u"10922"_s << true << 32766;
        QTest::newRow("three quarters") << u"32.3"_s << false << 0;
        QTest::newRow("bare point") << u"32."_s << false << 0;
        QTest::newRow("point first") << u".5"_s << false << 0;
        QTest::newRow("two digits after the point") << u"32.10"_s << false << 0;
        QTest::newRow("letter") << u"3a"_s << false << 0;
        QTest::newRow("empty") << QString() << false << 0;
        QTest::newRow("two points") << u"1.1.1"_s << false << 0;
        QTest::newRow("minus") << u"-5"_s << false << 0;
        QTest::newRow("blank") << u" 5"_s << false << 0;
        QTest::newRow("full-width digits") << u"３２"_s << false << 0;
        // Six characters are enough to leave the 16-bit count: such a text is no entry.
        QTest::newRow("past the 16-bit count") << u"10923"_s << false << 0;
        QTest::newRow("far past it") << u"999999"_s << false << 0;
    }
    void validTexts() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, units);
        QCOMPARE(isValidPlanText(text), valid);

        // Stored through the page's pass: a valid text keeps its form and gives its units, an
        // invalid one becomes "0".
        AppState state = newState();
        PlanTexts texts = zeroTexts();
        texts.base[0] = text;
        texts.terms[planTermBox(3, 2)] = text;
        subGetYearPlan(state, texts);
        QCOMPARE(texts.base[0], valid ? text : u"0"_s);
        QCOMPARE(texts.terms[planTermBox(3, 2)], valid ? text : u"0"_s);
        QCOMPARE(int(state.objYearPlan->hours[F::kokugo]), units);
        QCOMPARE(int(state.objSeasonPlan->terms()[2]->hours[F::rika]), units);
    }

    void storesBaseAndTermsWithTheirTotals() {
        AppState state = newState();
        PlanTexts texts = zeroTexts();
        texts.base[rowOf(F::kokugo)] = u"272"_s;
        texts.base[rowOf(F::uchikiri)] = u"1"_s;
        texts.base[rowOf(F::yobi)] = u"0.2"_s;
        texts.terms[planTermBox(rowOf(F::kokugo), 0)] = u"100.1"_s;
        texts.terms[planTermBox(rowOf(F::kokugo), 1)] = u"100"_s;
        texts.terms[planTermBox(rowOf(F::kokugo), 2)] = u"72"_s;
        texts.terms[planTermBox(rowOf(F::gakkyuukatsudou), 1)] = u"10"_s;
        const PlanTotals totals = subGetYearPlan(state, texts);

        const HourCounts &base = state.objYearPlan->hours;
        QCOMPARE(int(base[F::kokugo]), 816);
        QCOMPARE(int(base[F::KyoukaSyoukei]), 816);
        QCOMPARE(int(base[F::SouJyugyouJisuu]), 816);
        // The base total counts cut-off and reserve hours.
        QCOMPARE(int(base[F::SouJisuu]), 821);
        QCOMPARE(totals.baseSum, (PlanFigure{821, false}));

        const auto terms = state.objSeasonPlan->terms();
        QCOMPARE(int(terms[0]->hours[F::kokugo]), 301);
        QCOMPARE(int(terms[1]->hours[F::TokkatsuSyoukei]), 30);
        QCOMPARE(int(terms[1]->hours[F::SouJisuu]), 330);
        QCOMPARE(totals.termSums[0], (PlanFigure{301, false}));
        QCOMPARE(totals.termSums[1], (PlanFigure{330, false}));
        QCOMPARE(totals.termSums[2], (PlanFigure{216, false}));

        const HourCounts &year = state.objSeasonPlan->hours;
        QCOMPARE(int(year[F::kokugo]), 817);
        QCOMPARE(totals.yearSums[rowOf(F::kokugo)], (PlanFigure{817, false}));
        QCOMPARE(totals.differences[rowOf(F::kokugo)], (PlanFigure{1, false}));
        QCOMPARE(totals.yearSums[kPlanRows], (PlanFigure{847, false}));
        QCOMPARE(totals.differences[kPlanRows], (PlanFigure{26, false}));
        QCOMPARE(totals.differences[rowOf(F::yobi)], (PlanFigure{-2, false}));
        QVERIFY(!totals.anyHeld());
    }

    void readsTheRecordsBackAsTexts() {
        AppState state = newState();
        state.objYearPlan->hours[F::sannsuu] = 97;
        state.objSeasonPlan->terms()[2]->hours[F::yobi] = 2;
        const PlanTexts texts = fncPlanTexts(state);
        QCOMPARE(texts.base[rowOf(F::sannsuu)], u"32.1"_s);
        QCOMPARE(texts.base[rowOf(F::kokugo)], u"0.0"_s);
        QCOMPARE(texts.terms[planTermBox(rowOf(F::yobi), 2)], u"0.2"_s);
    }

    // A record loaded from a file may hold a negative count; its text is no entry and is
    // stored as 0 at the next pass, so nothing on the page is ever negative but a difference.
    void negativeRecordBecomesZero() {
        AppState state = newState();
        state.objYearPlan->hours[F::rika] = -4;
        PlanTexts texts = fncPlanTexts(state);
        QCOMPARE(texts.base[rowOf(F::rika)], u"-1.1"_s);
        subGetYearPlan(state, texts);
        QCOMPARE(texts.base[rowOf(F::rika)], u"0"_s);
        QCOMPARE(int(state.objYearPlan->hours[F::rika]), 0);
    }

    // Every box may hold up to 10922 hours, so the sums can leave the 16-bit count: they are
    // held at the limit and marked, and so are the differences that stand on them.
    void sumsPastTheLimitAreHeldAndMarked() {
        AppState state = newState();
        PlanTexts texts = zeroTexts();
        const int kokugo = rowOf(F::kokugo);
        for (int term = 0; term < kPlanTerms; ++term)
            texts.terms[planTermBox(kokugo, term)] = u"5000"_s; // 15000 units each
        texts.base[kokugo] = u"10000"_s;
        texts.base[rowOf(F::syakai)] = u"10000"_s;
        texts.base[rowOf(F::sannsuu)] = u"1000"_s;
        const PlanTotals totals = subGetYearPlan(state, texts);

        QCOMPARE(totals.termSums[0], (PlanFigure{15000, false}));
        QCOMPARE(totals.yearSums[kokugo], (PlanFigure{32767, true}));
        QCOMPARE(totals.differences[kokugo], (PlanFigure{32767 - 30000, true}));
        QCOMPARE(totals.yearSums[kPlanRows], (PlanFigure{32767, true}));
        QCOMPARE(totals.baseSum, (PlanFigure{32767, true}));
        QCOMPARE(int(state.objYearPlan->hours[F::KyoukaSyoukei]), 32767);
        QCOMPARE(totals.yearSums[rowOf(F::syakai)], (PlanFigure{0, false}));
        QVERIFY(totals.anyHeld());
        // The year record knows it too.
        QVERIFY(!state.objSeasonPlan->sumsFit());

        // Exactly the limit is no overflow.
        texts = zeroTexts();
        texts.terms[planTermBox(kokugo, 0)] = u"10922"_s;
        texts.terms[planTermBox(kokugo, 1)] = u"0.1"_s;
        const PlanTotals atLimit = subGetYearPlan(state, texts);
        QCOMPARE(atLimit.yearSums[kokugo], (PlanFigure{32767, false}));
        QVERIFY(!atLimit.anyHeld());
        QVERIFY(state.objSeasonPlan->sumsFit());
    }
};

QTEST_APPLESS_MAIN(YearPlanEntryTest)
#include "year_plan_entry_test.moc"
