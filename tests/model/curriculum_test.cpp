// Today's curriculum: the standard hours of each school year and grade, which rows a plan shows,
// the subtotals 外国語 and 外国語活動 count in, and a base plan spread over the terms.

#include "model/curriculum_rows.h"
#include "model/hour_totals.h"
#include "model/school_day.h"
#include "model/standard_hours.h"
#include "model/term_split.h"
#include "model_test_support.h"

#include <QtTest>

using namespace mirune;
using namespace mirune::test;
using F = HourField;

class CurriculumTest : public QObject {
    Q_OBJECT
  private slots:
    void standardHours_data();
    void standardHours();
    void standardHoursSumToTheirTotals();
    void noTableBefore2002OrOutsideTheGrades();
    void foreignLanguageCountsInTheRightSums();
    void shownRows_data();
    void shownRows();
    void splitOverTerms_data();
    void splitOverTerms();
    void splitTheBasePlan();
    void fillFromStandard();
};

void CurriculumTest::standardHours_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("curriculum");
    QTest::addColumn<bool>("transition");
    QTest::addColumn<int>("kokugo");
    QTest::addColumn<int>("gaikokugo");
    QTest::addColumn<int>("katsudou");
    QTest::addColumn<int>("sougou");
    QTest::addColumn<int>("total");
    QTest::newRow("2002 grade 1") << 2002 << 1 << u"1998"_s << false << 272 << 0 << 0 << 0 << 782;
    QTest::newRow("2005 grade 3") << 2005 << 3 << u"1998"_s << false << 235 << 0 << 0 << 105 << 910;
    QTest::newRow("2008 grade 6") << 2008 << 6 << u"1998"_s << false << 175 << 0 << 0 << 110 << 945;
    QTest::newRow("2010 grade 5: earlier table")
        << 2010 << 5 << u"1998"_s << true << 180 << 0 << 0 << 110 << 945;
    QTest::newRow("2011 grade 5") << 2011 << 5 << u"2008"_s << false << 175 << 0 << 35 << 70 << 980;
    QTest::newRow("2015 grade 2") << 2015 << 2 << u"2008"_s << false << 315 << 0 << 0 << 0 << 910;
    QTest::newRow("2018 grade 3: 15 hours")
        << 2018 << 3 << u"2008"_s << true << 245 << 0 << 15 << 70 << 960;
    QTest::newRow("2019 grade 6: 50 hours")
        << 2019 << 6 << u"2008"_s << true << 175 << 0 << 50 << 70 << 995;
    QTest::newRow("2020 grade 4") << 2020 << 4 << u"2017"_s << false << 245 << 0 << 35 << 70
                                  << 1015;
    QTest::newRow("2026 grade 5") << 2026 << 5 << u"2017"_s << false << 175 << 70 << 0 << 70
                                  << 1015;
    QTest::newRow("2026 grade 1") << 2026 << 1 << u"2017"_s << false << 306 << 0 << 0 << 0 << 850;
}

void CurriculumTest::standardHours() {
    QFETCH(int, year);
    QFETCH(int, grade);
    QFETCH(QString, curriculum);
    QFETCH(bool, transition);
    QFETCH(int, kokugo);
    QFETCH(int, gaikokugo);
    QFETCH(int, katsudou);
    QFETCH(int, sougou);
    QFETCH(int, total);
    const auto s = fncStandardHours(year, grade);
    QVERIFY(s);
    QCOMPARE(s->curriculum.toString(), curriculum);
    QCOMPARE(s->transition, transition);
    QCOMPARE(s->hoursOf(F::kokugo), kokugo);
    QCOMPARE(s->hoursOf(F::gaikokugo), gaikokugo);
    QCOMPARE(s->hoursOf(F::gaikokugokatsudou), katsudou);
    QCOMPARE(s->hoursOf(F::sougou), sougou);
    QCOMPARE(s->total(), total);
    // 特別活動 stands under 学活.
    QCOMPARE(s->hoursOf(F::gakkyuukatsudou), grade == 1 ? 34 : 35);
    QCOMPARE(s->hoursOf(F::kurabu), 0);
}

void CurriculumTest::standardHoursSumToTheirTotals() {
    // The totals the tables print: every year and grade adds up to them.
    struct Totals {
        int fromYear;
        std::array<int, 6> totals;
    };
    const std::array<Totals, 4> expected = {{{2002, {782, 840, 910, 945, 945, 945}},
                                             {2011, {850, 910, 945, 980, 980, 980}},
                                             {2018, {850, 910, 960, 995, 995, 995}},
                                             {2020, {850, 910, 980, 1015, 1015, 1015}}}};
    for (int year = 2002; year <= 2030; ++year) {
        const Totals *t = &expected[0];
        for (const Totals &candidate : expected)
            if (candidate.fromYear <= year)
                t = &candidate;
        for (int grade = 1; grade <= 6; ++grade) {
            const auto s = fncStandardHours(year, grade);
            QVERIFY(s);
            int sum = 0;
            for (HourField f : baseFields())
                sum += s->hoursOf(f);
            QCOMPARE(sum, s->total());
            QCOMPARE(s->total(), t->totals[grade - 1]);
            QCOMPARE(int(s->units()[F::SouJyugyouJisuu]), 3 * s->total());
        }
    }
}

void CurriculumTest::noTableBefore2002OrOutsideTheGrades() {
    QVERIFY(!fncStandardHours(2001, 3));
    QVERIFY(!fncStandardHours(2026, 0));
    QVERIFY(!fncStandardHours(2026, 7));
}

void CurriculumTest::foreignLanguageCountsInTheRightSums() {
    // 外国語 is a subject (教科小計); 外国語活動 is a lesson outside both subtotals.
    HourCounts counts;
    counts[F::kokugo] = 3;
    counts[F::gaikokugo] = 6;
    counts[F::gaikokugokatsudou] = 4;
    counts[F::gakkyuukatsudou] = 2;
    counts[F::uchikiri] = 1;
    counts.deriveTotals();
    QCOMPARE(int(counts[F::KyoukaSyoukei]), 9);
    QCOMPARE(int(counts[F::TokkatsuSyoukei]), 2);
    QCOMPARE(int(counts[F::SouJyugyouJisuu]), 15);
    QCOMPARE(int(counts[F::SouJisuu]), 16);

    // Counted from a day's codes, as every other subject.
    ZuriWeekTotal week;
    week.objFirstDay = dayOn(QDate(2026, 5, 11), u"英外国　　　　　"_s, u"33300000"_s);
    week.calculate();
    QCOMPARE(int(week[F::gaikokugo]), 3);
    QCOMPARE(int(week[F::gaikokugokatsudou]), 3);
    QCOMPARE(int(week[F::KyoukaSyoukei]), 6);
    QCOMPARE(int(week[F::SouJyugyouJisuu]), 9);
}

void CurriculumTest::shownRows_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("use"); // what the plan holds of the later rows
    QTest::addColumn<bool>("gaikokugo");
    QTest::addColumn<bool>("katsudou");
    QTest::newRow("2004 grade 5, unused") << 2004 << 5 << QString() << false << false;
    QTest::newRow("2012 grade 5") << 2012 << 5 << QString() << false << true;
    QTest::newRow("2026 grade 1") << 2026 << 1 << QString() << false << false;
    QTest::newRow("2026 grade 3") << 2026 << 3 << QString() << false << true;
    QTest::newRow("2026 grade 6") << 2026 << 6 << QString() << true << false;
    QTest::newRow("2004: base plan figure") << 2004 << 5 << u"base"_s << true << false;
    QTest::newRow("2004: term plan figure") << 2004 << 5 << u"term"_s << true << false;
    QTest::newRow("2004: timetable cell") << 2004 << 5 << u"timetable"_s << false << true;
    QTest::newRow("2004: a day") << 2004 << 5 << u"day"_s << true << false;
    QTest::newRow("2004: a withdrawn day") << 2004 << 5 << u"withdrawn"_s << true << false;
}

void CurriculumTest::shownRows() {
    QFETCH(int, year);
    QFETCH(int, grade);
    QFETCH(QString, use);
    QFETCH(bool, gaikokugo);
    QFETCH(bool, katsudou);
    AppState state = wizardState(year);
    state.intGrade = qint16(grade);
    if (use == u"base"_s)
        (*state.objYearPlan)[F::gaikokugo] = 3;
    else if (use == u"term"_s)
        (*state.objSeasonPlan->terms()[2])[F::gaikokugo] = 3;
    else if (use == u"timetable"_s)
        state.objWeekPlanB->objFirstDay->objNextDay->strSubject = u"国外　　　　　　"_s;
    else if (use == u"day"_s)
        linkChain(*state.objFirstDay, {dayOn(QDate(year, 6, 1), u"英"_s, u"3"_s)});
    else if (use == u"withdrawn"_s)
        linkChain(*state.objFirstDay, {withdrawnDayOn(QDate(year, 6, 1), u"英"_s, u"3"_s)});

    QCOMPARE(fncIsFieldShown(state, F::gaikokugo), gaikokugo);
    QCOMPARE(fncIsFieldShown(state, F::gaikokugokatsudou), katsudou);
    QCOMPARE(fncPlanUsesLaterCurriculum(state), !use.isEmpty());
    QVERIFY(fncIsFieldShown(state, F::kokugo));
    QVERIFY(fncIsFieldShown(state, F::SouJisuu));

    const QList<HourField> shown = fncShownFields(state);
    QCOMPARE(shown.size(), kClassicFieldCount + int(gaikokugo) + int(katsudou));
    QString expectedPalette = u"総国社算理生音図家体"_s;
    if (gaikokugo)
        expectedPalette += u'英';
    expectedPalette += u'道';
    if (katsudou)
        expectedPalette += u'外';
    expectedPalette += u"学ク児行切"_s;
    QCOMPARE(fncShownCodes(state, paletteOrder()), expectedPalette);
}

// Worked by hand: a term's share is whole lessons (3 units), the largest remainders take the
// lessons left over, and a rest of 15 or 30 minutes stays whole in the term left furthest below
// its share.
void CurriculumTest::splitOverTerms_data() {
    QTest::addColumn<int>("base");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<int>>("expected");
    // 175 x 71/195 = 63.72, x 77/195 = 69.10, x 47/195 = 42.18: 63 + 69 + 42, the one left to
    // term 1. In lessons 64, 69, 42.
    QTest::newRow("国語 175 lessons")
        << 175 * 3 << QList<int>{71, 77, 47} << QList<int>{64 * 3, 69 * 3, 42 * 3};
    // 3 x 71/195 = 1.09, 1.18, 0.72: 1 + 1 + 0, the one left to term 3. Not 1.0, 1.1, 0.2.
    QTest::newRow("クラブ 3 lessons") << 3 * 3 << QList<int>{71, 77, 47} << QList<int>{3, 3, 3};
    // 100 lessons in thirds: 33 each, the one left to the first of the tie.
    QTest::newRow("even days") << 300 << QList<int>{70, 70, 70} << QList<int>{102, 99, 99};
    // 33 lessons and a unit: 11 lessons each, the unit to the first of the tie.
    QTest::newRow("a unit over whole lessons")
        << 100 << QList<int>{70, 70, 70} << QList<int>{34, 33, 33};
    // 97 units = 32 lessons and a unit. 32 x 71/195 = 11.65, 12.64, 7.71: 11 + 12 + 7, the two
    // left to terms 3 and 1; 12, 12, 8 lessons are 36, 36, 24 units against shares of 35.32,
    // 38.30, 23.38, so the unit goes to term 2: 12.0, 12.1, 8.0.
    QTest::newRow("32.1 over a real year")
        << 97 << QList<int>{71, 77, 47} << QList<int>{36, 37, 24};
    QTest::newRow("a term with no school days")
        << 105 << QList<int>{0, 75, 50} << QList<int>{0, 63, 42};
    // Evenly: 2 lessons to terms 1 and 2, the unit to term 3, the furthest below its 2.33.
    QTest::newRow("no school days at all") << 7 << QList<int>{0, 0, 0} << QList<int>{3, 3, 1};
    QTest::newRow("zero") << 0 << QList<int>{70, 80, 50} << QList<int>{0, 0, 0};
    QTest::newRow("one unit: the term with most days")
        << 1 << QList<int>{70, 80, 50} << QList<int>{0, 1, 0};
    QTest::newRow("30 minutes stay together") << 2 << QList<int>{70, 80, 50} << QList<int>{0, 2, 0};
    QTest::newRow("one lesson: the largest share")
        << 3 << QList<int>{71, 77, 47} << QList<int>{0, 3, 0};
    // 5 = a lesson (term 1 of the tie) and 2 units (term 2, 1.67 below its share).
    QTest::newRow("negative base") << -5 << QList<int>{1, 1, 1} << QList<int>{-3, -2, 0};
    // 245 x 71/200 = 86.975, 98, 60.025: 86 + 98 + 60, the one left to term 1.
    QTest::newRow("国語 of grade 3, 245 lessons")
        << 245 * 3 << QList<int>{71, 80, 49} << QList<int>{87 * 3, 98 * 3, 60 * 3};
}

void CurriculumTest::splitOverTerms() {
    QFETCH(int, base);
    QFETCH(QList<int>, days);
    QFETCH(QList<int>, expected);
    const auto shares = fncSplitOverTerms(base, {days[0], days[1], days[2]});
    QCOMPARE(QList<int>(shares.begin(), shares.end()), expected);
    QCOMPARE(shares[0] + shares[1] + shares[2], base);
    // At most one term holds a part of a lesson.
    int partTerms = 0;
    for (int share : shares)
        partTerms += share % 3 != 0;
    QVERIFY(partTerms <= 1);
}

void CurriculumTest::splitTheBasePlan() {
    AppState state = wizardState(2026);
    state.intGrade = 5;
    QVERIFY(subFillBasePlanFromStandard(state));
    (*state.objSeasonPlan->terms()[0])[F::kurabu] = 99; // replaced: the base has none
    subSplitBasePlanOverTerms(state);
    const std::array<int, 4> days = fncCountSchoolDays(state);
    QVERIFY(days[0] > 0 && days[1] > days[0] && days[2] > 0);
    for (HourField f : baseFields()) {
        QCOMPARE(int(state.objSeasonPlan->hours[f]), int((*state.objYearPlan)[f]));
        // The standard hours are whole lessons, and so is every term's share of them.
        for (const SeasonTotalRef &term : state.objSeasonPlan->terms())
            QCOMPARE((*term)[f] % 3, 0);
    }
    QCOMPARE(int((*state.objSeasonPlan->terms()[0])[F::kurabu]), 0);
    // Each term's totals follow its figures; the year's are the plan's 1015 hours.
    const auto terms = state.objSeasonPlan->terms();
    QCOMPARE(terms[0]->hours[F::SouJisuu] + terms[1]->hours[F::SouJisuu] +
                 terms[2]->hours[F::SouJisuu],
             1015 * 3);
    QCOMPARE(int(state.objSeasonPlan->hours[F::gaikokugo]), 70 * 3);
}

void CurriculumTest::fillFromStandard() {
    AppState state = wizardState(2026);
    state.intGrade = 3;
    QVERIFY(!fncBasePlanHasFigures(state));
    QVERIFY(subFillBasePlanFromStandard(state));
    QVERIFY(fncBasePlanHasFigures(state));
    QCOMPARE(int((*state.objYearPlan)[F::kokugo]), 245 * 3);
    QCOMPARE(int((*state.objYearPlan)[F::gaikokugokatsudou]), 35 * 3);
    QCOMPARE(int((*state.objYearPlan)[F::SouJyugyouJisuu]), 980 * 3);
    QVERIFY(fncPlanUsesLaterCurriculum(state));

    AppState old = wizardState(2001);
    QVERIFY(!subFillBasePlanFromStandard(old));
    QVERIFY(!fncBasePlanHasFigures(old));
}

QTEST_APPLESS_MAIN(CurriculumTest)
#include "curriculum_test.moc"
