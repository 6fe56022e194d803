// Hour totals: a stretch of days summed per subject, the year summed from its terms, the four
// derived totals, and the rule that gives each term its stretch of the record.

#include "model/hour_totals.h"
#include "model/term_rule.h"
#include "model_test_support.h"

#include <QStringList>
#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

Q_DECLARE_METATYPE(mirune::HourField)

namespace {

using F = HourField;

QString describe(const QMap<QString, int> &m) {
    QStringList parts;
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        parts.append(it.key() + u'=' + QString::number(it.value()));
    return parts.join(u' ');
}

// The hour fields that are not 0, by field name, so a failing comparison says what differs.
QString nonZero(const HourCounts &h) {
    QMap<QString, int> m;
    for (HourField f : displayOrder())
        if (h[f] != 0)
            m.insert(QString::fromLatin1(subjectInfo(f).fieldName), h[f]);
    return describe(m);
}

QString fields(const std::vector<std::pair<F, int>> &values) {
    QMap<QString, int> m;
    for (const auto &[f, v] : values)
        m.insert(QString::fromLatin1(subjectInfo(f).fieldName), v);
    return describe(m);
}

bool allZero(const HourCounts &h) {
    return h == HourCounts{};
}

// A term stretch over the given records.
void setStretch(ZuriStretchTotal &t, const DayRef &first, const DayRef &last) {
    t.objFirstDay = first;
    t.objLastDay = last;
}

} // namespace

class TotalsTest : public QObject {
    Q_OBJECT

  private slots:
    void newRecordsAreEmpty();
    void cloneCopiesHoursAndFlagButNotLinks();

    void periodsCountTheirTimeCodes();
    void eachCodeCountsIntoItsFieldAndTotals_data();
    void eachCodeCountsIntoItsFieldAndTotals();
    void cutOffAndReserveCountOnlyInTheGrandTotal();
    void unknownCodesCountNothing_data();
    void unknownCodesCountNothing();

    void stretchEnds_data();
    void stretchEnds();
    void withdrawnFirstDayAddsNothing();
    void withdrawnLastDayStillEndsTheWalk();
    void noFirstDayGivesZeroWhateverWasThere();
    void sumsHoldAtThe16BitLimit();

    void yearAddsBaseFieldsOfItsThreeTerms();
    void yearCalculateDoesNotRecalculateTerms();
    void yearFullCalculateRecalculatesTerms();
    void yearWithoutTermsIsZero();
    void yearWithAMissingTermDoesNotFail();
    void yearSumHoldsAtThe16BitLimit();
    void yearSumIsHeldOnceAtTheEnd_data();
    void yearSumIsHeldOnceAtTheEnd();

    void termOfMonth_data();
    void termOfMonth();
    void termRuleGivesEachTermItsMonths();
    void termRuleSkipsWithdrawnDaysAtTheEnds();
    void termWithoutValidDaysIsEmptyWhateverItsOldLastDay();
    void refreshTotalsTheWholeRecord();
    void refreshOnAnEmptyChain();
    void planTermsStandIns();
};

void TotalsTest::newRecordsAreEmpty() {
    const ZuriWeekTotal week;
    QVERIFY(allZero(week.hours));
    QCOMPARE(week.boolNowPlanning, kFalse);
    QVERIFY(!week.objFirstDay && !week.objLastDay && !week.objNextWeek);

    const ZuriSeasonTotal term;
    QVERIFY(allZero(term.hours));
    QCOMPARE(term.boolNowPlanning, kFalse);
    QVERIFY(!term.objFirstDay && !term.objLastDay && !term.objNextSeason);

    const ZuriYearTotal year;
    QVERIFY(allZero(year.hours));
    QCOMPARE(year.boolNowPlanning, kFalse);
    QVERIFY(!year.objFirstSeason && !year.objLastSeason);

    const YearTotalRef chained = makeYearWithTerms();
    const auto terms = chained->terms();
    QVERIFY(terms[0] && terms[1] && terms[2]);
    QCOMPARE(chained->objFirstSeason, terms[0]);
    QCOMPARE(chained->objLastSeason, terms[2]);
    QVERIFY(!terms[2]->objNextSeason);
    QVERIFY(terms[0] != terms[1] && terms[1] != terms[2]);
}

void TotalsTest::cloneCopiesHoursAndFlagButNotLinks() {
    ZuriWeekTotal source;
    for (int i = 0; i < kHourFieldCount; ++i)
        source.hours.units[i] = qint16(100 + i);
    source.boolNowPlanning = kTrue;
    source.objFirstDay = dayOn(QDate(2004, 4, 12));

    ZuriWeekTotal week;
    const DayRef ownFirst = dayOn(QDate(2004, 5, 10));
    week.objFirstDay = ownFirst;
    week.cloneWeek(source);
    QCOMPARE(week.hours, source.hours);
    QCOMPARE(week.boolNowPlanning, kTrue);
    QCOMPARE(week.objFirstDay, ownFirst);

    ZuriSeasonTotal sourceTerm;
    sourceTerm.hours = source.hours;
    sourceTerm.boolNowPlanning = kTrue;
    ZuriSeasonTotal term;
    const auto next = std::make_shared<ZuriSeasonTotal>();
    term.objNextSeason = next;
    term.cloneSeason(sourceTerm);
    QCOMPARE(term.hours, source.hours);
    QCOMPARE(term.boolNowPlanning, kTrue);
    QCOMPARE(term.objNextSeason, next);

    ZuriYearTotal sourceYear;
    sourceYear.hours = source.hours;
    const YearTotalRef year = makeYearWithTerms();
    const auto terms = year->terms();
    year->cloneYear(sourceYear);
    QCOMPARE(year->hours, source.hours);
    QCOMPARE(year->boolNowPlanning, kFalse);
    QCOMPARE(year->objFirstSeason, terms[0]);
    QCOMPARE(year->objLastSeason, terms[2]);
}

void TotalsTest::periodsCountTheirTimeCodes() {
    // 国 15 minutes, 算 twice 45 minutes, 社 without time; periods 4..7 empty.
    const DayRef day = dayOn(QDate(2004, 4, 12), u"国算算社　　　　"_s, u"13300000"_s);
    ZuriWeekTotal week;
    setStretch(week, day, day);
    week.calculate();
    QCOMPARE(nonZero(week.hours), fields({{F::kokugo, 1},
                                          {F::sannsuu, 6},
                                          {F::KyoukaSyoukei, 7},
                                          {F::SouJyugyouJisuu, 7},
                                          {F::SouJisuu, 7}}));
}

void TotalsTest::eachCodeCountsIntoItsFieldAndTotals_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<HourField>("field");
    QTest::addColumn<bool>("subjectSubtotal");  // 教科小計
    QTest::addColumn<bool>("activitySubtotal"); // 特活小計
    QTest::addColumn<bool>("lessonTotal");      // 総授業時数
    for (const char16_t c : u"国社算理生音図家体")
        if (c)
            QTest::newRow(QString(QChar(c)).toUtf8().constData())
                << QString(QChar(c)) << *fieldForCode(QChar(c)) << true << false << true;
    QTest::newRow("総") << u"総"_s << F::sougou << false << false << true;
    QTest::newRow("道") << u"道"_s << F::doutoku << false << false << true;
    QTest::newRow("学") << u"学"_s << F::gakkyuukatsudou << false << true << true;
    QTest::newRow("ク") << u"ク"_s << F::kurabu << false << true << true;
    QTest::newRow("児") << u"児"_s << F::jidoukai << false << true << true;
    QTest::newRow("行") << u"行"_s << F::gakkougyouji << false << true << true;
    QTest::newRow("切") << u"切"_s << F::uchikiri << false << false << false;
    QTest::newRow("予") << u"予"_s << F::yobi << false << false << false;
}

void TotalsTest::eachCodeCountsIntoItsFieldAndTotals() {
    QFETCH(QString, code);
    QFETCH(HourField, field);
    QFETCH(bool, subjectSubtotal);
    QFETCH(bool, activitySubtotal);
    QFETCH(bool, lessonTotal);
    // Two days of the same code: 4 + 3 + 1 units.
    const DayRef a = dayOn(QDate(2004, 4, 12), code + code + u"　　　　　　"_s, u"43000000"_s);
    const DayRef b = dayOn(QDate(2004, 4, 13), code + u"　　　　　　　"_s, u"10000000"_s);
    ZuriDayTime head;
    linkChain(head, {a, b});
    ZuriWeekTotal week;
    setStretch(week, a, b);
    week.calculate();

    std::vector<std::pair<F, int>> expected = {{field, 8}, {F::SouJisuu, 8}};
    if (subjectSubtotal)
        expected.emplace_back(F::KyoukaSyoukei, 8);
    if (activitySubtotal)
        expected.emplace_back(F::TokkatsuSyoukei, 8);
    if (lessonTotal)
        expected.emplace_back(F::SouJyugyouJisuu, 8);
    QCOMPARE(nonZero(week.hours), fields(expected));
}

void TotalsTest::cutOffAndReserveCountOnlyInTheGrandTotal() {
    const DayRef day = dayOn(QDate(2004, 4, 12), u"切切切予　　　　"_s, u"33330000"_s);
    ZuriWeekTotal week;
    setStretch(week, day, day);
    week.calculate();
    QCOMPARE(week[F::uchikiri], qint16(9));
    QCOMPARE(week[F::yobi], qint16(3));
    QCOMPARE(week[F::SouJisuu], qint16(12));
    QCOMPARE(week[F::SouJyugyouJisuu], qint16(0));
    QCOMPARE(week[F::KyoukaSyoukei], qint16(0));
    QCOMPARE(week[F::TokkatsuSyoukei], qint16(0));
}

void TotalsTest::unknownCodesCountNothing_data() {
    QTest::addColumn<QString>("subjects");
    QTest::addColumn<QString>("credits");
    QTest::addColumn<int>("kokugo");
    QTest::addColumn<int>("grandTotal");
    QTest::newRow("ideographic space") << u"　　国　　　　　"_s << u"33333333"_s << 3 << 3;
    QTest::newRow("latin letter") << u"A国B　　　　　"_s << u"33333333"_s << 3 << 3;
    QTest::newRow("full-width letter") << u"Ｘ国　　　　　　"_s << u"33333333"_s << 3 << 3;
    QTest::newRow("half-width space") << u"  国     "_s << u"33333333"_s << 3 << 3;
    QTest::newRow("a summary row name") << u"計国　　　　　　"_s << u"44444444"_s << 4 << 4;
    // A shorter time-code text or a character that is no digit gives the period no units.
    QTest::newRow("time codes run out") << u"国国国国国国国国"_s << u"333"_s << 9 << 9;
    QTest::newRow("time code not a digit") << u"国国国　　　　　"_s << u"3x３00000"_s << 3 << 3;
    // Time codes past the subjects count nothing.
    QTest::newRow("subjects run out") << u"国"_s << u"33333333"_s << 3 << 3;
    QTest::newRow("no subjects") << QString() << u"33333333"_s << 0 << 0;
}

void TotalsTest::unknownCodesCountNothing() {
    QFETCH(QString, subjects);
    QFETCH(QString, credits);
    QFETCH(int, kokugo);
    QFETCH(int, grandTotal);
    const DayRef day = dayOn(QDate(2004, 4, 12), subjects, credits);
    ZuriWeekTotal week;
    setStretch(week, day, day);
    week.calculate();
    QCOMPARE(int(week[F::kokugo]), kokugo);
    QCOMPARE(int(week[F::SouJisuu]), grandTotal);
    int base = 0;
    for (HourField f : baseFields())
        base += week[f];
    QCOMPARE(base, grandTotal);
}

void TotalsTest::stretchEnds_data() {
    // Chain of four valid days, one 国 hour each; which of them a stretch counts.
    QTest::addColumn<int>("first"); // index into the chain, -1 none
    QTest::addColumn<int>("last");  // index into the chain, -1 none, 9 a record outside it
    QTest::addColumn<int>("hours");
    QTest::newRow("one day") << 1 << 1 << 1;
    QTest::newRow("whole chain") << 0 << 3 << 4;
    QTest::newRow("middle") << 1 << 2 << 2;
    QTest::newRow("no last day runs to the end") << 1 << -1 << 3;
    QTest::newRow("last day not in the chain runs to the end") << 2 << 9 << 2;
    QTest::newRow("last day before the first runs to the end") << 2 << 0 << 2;
    QTest::newRow("no first day") << -1 << 3 << 0;
}

void TotalsTest::stretchEnds() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, hours);
    const QList<DayRef> days = {
        dayOn(QDate(2004, 4, 12), u"国"_s, u"3"_s), dayOn(QDate(2004, 4, 13), u"国"_s, u"3"_s),
        dayOn(QDate(2004, 4, 14), u"国"_s, u"3"_s), dayOn(QDate(2004, 4, 15), u"国"_s, u"3"_s)};
    ZuriDayTime head;
    linkChain(head, {days[0], days[1], days[2], days[3]});
    const DayRef outside = dayOn(QDate(2004, 4, 16), u"国"_s, u"3"_s);

    ZuriSeasonTotal term;
    term.objFirstDay = first >= 0 ? days[first] : DayRef();
    term.objLastDay = last == 9 ? outside : last >= 0 ? days[last] : DayRef();
    term.calculate();
    QCOMPARE(int(term[F::kokugo]), hours * 3);
    QCOMPARE(int(term[F::SouJisuu]), hours * 3);
}

void TotalsTest::withdrawnFirstDayAddsNothing() {
    const DayRef w = withdrawnDayOn(QDate(2004, 4, 12), u"国国"_s, u"33"_s);
    const DayRef v = dayOn(QDate(2004, 4, 13), u"算"_s, u"3"_s);
    ZuriDayTime head;
    linkChain(head, {w, v});
    ZuriWeekTotal week;
    setStretch(week, w, v);
    week.calculate();
    QCOMPARE(
        nonZero(week.hours),
        fields(
            {{F::sannsuu, 3}, {F::KyoukaSyoukei, 3}, {F::SouJyugyouJisuu, 3}, {F::SouJisuu, 3}}));
}

void TotalsTest::withdrawnLastDayStillEndsTheWalk() {
    const DayRef a = dayOn(QDate(2004, 4, 12), u"国"_s, u"3"_s);
    const DayRef w = withdrawnDayOn(QDate(2004, 4, 13), u"国"_s, u"3"_s);
    const DayRef after = dayOn(QDate(2004, 4, 14), u"体"_s, u"3"_s);
    ZuriDayTime head;
    linkChain(head, {a, w, after});
    ZuriWeekTotal week;
    setStretch(week, a, w);
    week.calculate();
    QCOMPARE(week[F::kokugo], qint16(3));
    QCOMPARE(week[F::taiiku], qint16(0));
    QCOMPARE(week[F::SouJisuu], qint16(3));
}

void TotalsTest::noFirstDayGivesZeroWhateverWasThere() {
    ZuriSeasonTotal term;
    term.hours.units.fill(77);
    term.objLastDay = dayOn(QDate(2004, 4, 12));
    term.calculate();
    QVERIFY(allZero(term.hours));
}

void TotalsTest::sumsHoldAtThe16BitLimit() {
    // 1100 days of eight 60-minute 国 periods are 35200 units: the field holds at 32767
    // instead of turning negative, and so do the totals derived from it.
    ZuriDayTime head;
    ZuriDayTime *previous = &head;
    DayRef first;
    QDate date(2004, 4, 1);
    for (int i = 0; i < 1100; ++i, date = date.addDays(1)) {
        const DayRef d = dayOn(date, u"国国国国国国国国"_s, u"44444444"_s);
        previous->objNextDay = d;
        previous = d.get();
        if (!first)
            first = d;
    }
    ZuriSeasonTotal term;
    term.objFirstDay = first;
    term.calculate();
    QCOMPARE(term[F::kokugo], qint16(32767));
    QCOMPARE(term[F::KyoukaSyoukei], qint16(32767));
    QCOMPARE(term[F::SouJyugyouJisuu], qint16(32767));
    QCOMPARE(term[F::SouJisuu], qint16(32767));
}

void TotalsTest::yearAddsBaseFieldsOfItsThreeTerms() {
    const YearTotalRef year = makeYearWithTerms();
    const auto terms = year->terms();
    (*terms[0])[F::kokugo] = 100;
    (*terms[1])[F::kokugo] = 200;
    (*terms[2])[F::kokugo] = 50;
    (*terms[0])[F::kurabu] = 6;
    (*terms[2])[F::uchikiri] = 3;
    (*terms[1])[F::yobi] = 2;
    // Stored subtotals of the terms do not matter: the year derives its own.
    (*terms[0])[F::KyoukaSyoukei] = 9999;
    (*terms[1])[F::TokkatsuSyoukei] = -5;
    (*terms[2])[F::SouJisuu] = 1;
    year->hours.units.fill(1234); // old values are replaced
    year->calculate();
    QCOMPARE(nonZero(year->hours), fields({{F::kokugo, 350},
                                           {F::KyoukaSyoukei, 350},
                                           {F::kurabu, 6},
                                           {F::TokkatsuSyoukei, 6},
                                           {F::SouJyugyouJisuu, 356},
                                           {F::uchikiri, 3},
                                           {F::yobi, 2},
                                           {F::SouJisuu, 361}}));
}

void TotalsTest::yearCalculateDoesNotRecalculateTerms() {
    const YearTotalRef year = makeYearWithTerms();
    const auto terms = year->terms();
    const DayRef day = dayOn(QDate(2004, 4, 12), u"国"_s, u"3"_s);
    setStretch(*terms[0], day, day);
    (*terms[0])[F::kokugo] = 30; // as it stands, not what the stretch would give
    year->calculate();
    QCOMPARE((*year)[F::kokugo], qint16(30));
    QCOMPARE((*terms[0])[F::kokugo], qint16(30));
}

void TotalsTest::yearFullCalculateRecalculatesTerms() {
    const YearTotalRef year = makeYearWithTerms();
    const auto terms = year->terms();
    const DayRef a = dayOn(QDate(2004, 4, 12), u"国道"_s, u"33"_s);
    const DayRef b = dayOn(QDate(2004, 9, 1), u"国"_s, u"2"_s);
    const DayRef c = dayOn(QDate(2005, 1, 11), u"学"_s, u"1"_s);
    ZuriDayTime head;
    linkChain(head, {a, b, c});
    setStretch(*terms[0], a, a);
    setStretch(*terms[1], b, b);
    setStretch(*terms[2], c, c);
    (*terms[0])[F::kokugo] = 30;
    year->full_calculate();
    QCOMPARE((*terms[0])[F::kokugo], qint16(3));
    QCOMPARE((*terms[0])[F::SouJyugyouJisuu], qint16(6));
    QCOMPARE(nonZero(year->hours), fields({{F::kokugo, 5},
                                           {F::KyoukaSyoukei, 5},
                                           {F::doutoku, 3},
                                           {F::gakkyuukatsudou, 1},
                                           {F::TokkatsuSyoukei, 1},
                                           {F::SouJyugyouJisuu, 9},
                                           {F::SouJisuu, 9}}));
}

void TotalsTest::yearWithoutTermsIsZero() {
    ZuriYearTotal plan; // the base plan has no terms
    plan[F::kokugo] = 816;
    plan.calculate();
    QVERIFY(allZero(plan.hours));
    plan.full_calculate();
    QVERIFY(allZero(plan.hours));
}

void TotalsTest::yearWithAMissingTermDoesNotFail() {
    ZuriYearTotal year;
    auto t1 = std::make_shared<ZuriSeasonTotal>();
    auto t2 = std::make_shared<ZuriSeasonTotal>();
    t1->objNextSeason = t2;
    year.objFirstSeason = t1;
    year.objLastSeason = t2;
    (*t1)[F::rika] = 4;
    (*t2)[F::rika] = 5;
    year.calculate();
    QCOMPARE(year[F::rika], qint16(9));
    QCOMPARE(year[F::SouJisuu], qint16(9));
}

void TotalsTest::yearSumHoldsAtThe16BitLimit() {
    const YearTotalRef year = makeYearWithTerms();
    for (const SeasonTotalRef &t : year->terms()) {
        (*t)[F::kokugo] = 20000;
        (*t)[F::yobi] = 20000;
    }
    year->calculate();
    QCOMPARE((*year)[F::kokugo], qint16(32767));
    QCOMPARE((*year)[F::yobi], qint16(32767));
    QCOMPARE((*year)[F::SouJyugyouJisuu], qint16(32767));
    QCOMPARE((*year)[F::SouJisuu], qint16(32767));
}

void TotalsTest::yearSumIsHeldOnceAtTheEnd_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("third");
    QTest::addColumn<int>("sum");
    QTest::addColumn<bool>("fits");
    // Held at the limit after every addition, 30000 + 30000 gave 32767 and then 2767.
    QTest::newRow("over the top and back") << 30000 << 30000 << -30000 << 30000 << true;
    QTest::newRow("under the bottom and back") << -30000 << -30000 << 30000 << -30000 << true;
    QTest::newRow("truly too large") << 20000 << 20000 << -1000 << 32767 << false;
    QTest::newRow("truly too small") << -20000 << -20000 << 0 << -32768 << false;
    QTest::newRow("the limit itself") << 32767 << 0 << 0 << 32767 << true;
}

void TotalsTest::yearSumIsHeldOnceAtTheEnd() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, third);
    QFETCH(int, sum);
    QFETCH(bool, fits);
    const YearTotalRef plan = makeYearWithTerms();
    const int values[] = {first, second, third};
    int i = 0;
    for (const SeasonTotalRef &t : plan->terms()) {
        (*t)[F::kokugo] = qint16(values[i++]);
        t->hours.deriveTotals();
    }
    plan->calculate();
    QCOMPARE(int((*plan)[F::kokugo]), sum);
    QCOMPARE(int((*plan)[F::KyoukaSyoukei]), sum);
    QCOMPARE(int((*plan)[F::SouJisuu]), sum);
    QCOMPARE(plan->sumsFit(), fits);

    // The totals are summed from the base fields as well, not from a total already held.
    (*plan->terms()[0])[F::sannsuu] = 30000;
    (*plan->terms()[0])[F::sougou] = -30000;
    plan->calculate();
    QCOMPARE(int((*plan)[F::SouJyugyouJisuu]), sum);
}

void TotalsTest::termOfMonth_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("term");
    const int terms[] = {3, 3, 3, 1, 1, 1, 1, 2, 2, 2, 2, 2};
    for (int m = 1; m <= 12; ++m)
        QTest::addRow("month %d", m) << m << terms[m - 1];
}

void TotalsTest::termOfMonth() {
    QFETCH(int, month);
    QFETCH(int, term);
    QCOMPARE(mirune::termOfMonth(month), term);
}

void TotalsTest::termRuleGivesEachTermItsMonths() {
    const DayRef apr = dayOn(QDate(2004, 4, 12), u"国"_s, u"1"_s);
    const DayRef jul = dayOn(QDate(2004, 7, 16), u"国"_s, u"1"_s);
    const DayRef aug = dayOn(QDate(2004, 8, 30), u"社"_s, u"1"_s); // after the summer vacation
    const DayRef dec = dayOn(QDate(2004, 12, 22), u"社"_s, u"1"_s);
    const DayRef jan = dayOn(QDate(2005, 1, 11), u"算"_s, u"1"_s);
    const DayRef mar = dayOn(QDate(2005, 3, 18), u"算"_s, u"1"_s);
    ZuriDayTime head;
    linkChain(head, {apr, jul, aug, dec, jan, mar});

    const YearTotalRef year = makeYearWithTerms();
    subAssignTerms(*year, head);
    const auto t = year->terms();
    QCOMPARE(t[0]->objFirstDay, apr);
    QCOMPARE(t[0]->objLastDay, jul);
    QCOMPARE(t[1]->objFirstDay, aug);
    QCOMPARE(t[1]->objLastDay, dec);
    QCOMPARE(t[2]->objFirstDay, jan);
    QCOMPARE(t[2]->objLastDay, mar);

    year->full_calculate();
    QCOMPARE((*t[0])[F::kokugo], qint16(2));
    QCOMPARE((*t[0])[F::syakai], qint16(0));
    QCOMPARE((*t[1])[F::syakai], qint16(2));
    QCOMPARE((*t[1])[F::kokugo], qint16(0));
    QCOMPARE((*t[2])[F::sannsuu], qint16(2));
    QCOMPARE((*year)[F::SouJisuu], qint16(6));
}

void TotalsTest::termRuleSkipsWithdrawnDaysAtTheEnds() {
    const DayRef w1 = withdrawnDayOn(QDate(2004, 4, 12), u"国"_s, u"3"_s);
    const DayRef a = dayOn(QDate(2004, 4, 13), u"国"_s, u"1"_s);
    const DayRef w2 = withdrawnDayOn(QDate(2004, 5, 10), u"国"_s, u"3"_s);
    const DayRef b = dayOn(QDate(2004, 6, 1), u"国"_s, u"1"_s);
    const DayRef w3 = withdrawnDayOn(QDate(2004, 7, 1), u"国"_s, u"3"_s);
    const DayRef sep = dayOn(QDate(2004, 9, 1), u"体"_s, u"3"_s);
    ZuriDayTime head;
    linkChain(head, {w1, a, w2, b, w3, sep});

    const YearTotalRef year = makeYearWithTerms();
    subAssignTerms(*year, head);
    const auto t = year->terms();
    QCOMPARE(t[0]->objFirstDay, a);
    QCOMPARE(t[0]->objLastDay, b);
    year->full_calculate();
    QCOMPARE((*t[0])[F::kokugo], qint16(2)); // the withdrawn day between them counts nothing
    QCOMPARE((*t[0])[F::taiiku], qint16(0));
    QCOMPARE((*t[1])[F::taiiku], qint16(3));
}

void TotalsTest::termWithoutValidDaysIsEmptyWhateverItsOldLastDay() {
    const DayRef apr = dayOn(QDate(2004, 4, 12), u"国"_s, u"3"_s);
    const DayRef withdrawnSep = withdrawnDayOn(QDate(2004, 9, 1), u"国"_s, u"3"_s);
    const DayRef jan = dayOn(QDate(2005, 1, 11), u"国"_s, u"3"_s);
    ZuriDayTime head;
    linkChain(head, {apr, withdrawnSep, jan});

    const YearTotalRef year = makeYearWithTerms();
    const auto t = year->terms();
    // Left over from an earlier refresh: term 2 ran from April to January.
    setStretch(*t[1], apr, jan);
    (*t[1])[F::kokugo] = 999;
    subAssignTerms(*year, head);
    QVERIFY(!t[1]->objFirstDay);
    year->full_calculate();
    QVERIFY(allZero(t[1]->hours));
    QCOMPARE((*year)[F::kokugo], qint16(6));
}

void TotalsTest::refreshTotalsTheWholeRecord() {
    VacationDays days;
    days.summerLastDay = 25;
    AppState state = wizardState(2004, days);
    ZuriDayTime &head = *state.objFirstDay;
    head.appendDay(dayOn(QDate(2004, 4, 12), u"国算社理体音図学"_s, u"13333300"_s));
    head.appendDay(dayOn(QDate(2004, 8, 30), u"国国　　　　　　"_s, u"33000000"_s));
    head.appendDay(dayOn(QDate(2005, 3, 1), u"切予　　　　　　"_s, u"33000000"_s));
    head.appendDay(withdrawnDayOn(QDate(2005, 3, 2), u"国国国国国国国国"_s, u"33333333"_s));
    // Stale values everywhere before the refresh.
    for (const SeasonTotalRef &t : state.objYearTotal->terms())
        t->hours.units.fill(500);
    state.objYearTotal->hours.units.fill(-7);

    subRefreshActualTotals(state);
    const auto t = state.objYearTotal->terms();
    QCOMPARE(nonZero(t[0]->hours), fields({{F::kokugo, 1},
                                           {F::sannsuu, 3},
                                           {F::syakai, 3},
                                           {F::rika, 3},
                                           {F::taiiku, 3},
                                           {F::onngaku, 3},
                                           {F::KyoukaSyoukei, 16},
                                           {F::SouJyugyouJisuu, 16},
                                           {F::SouJisuu, 16}}));
    // August belongs to term 2.
    QCOMPARE(
        nonZero(t[1]->hours),
        fields({{F::kokugo, 6}, {F::KyoukaSyoukei, 6}, {F::SouJyugyouJisuu, 6}, {F::SouJisuu, 6}}));
    QCOMPARE(nonZero(t[2]->hours), fields({{F::uchikiri, 3}, {F::yobi, 3}, {F::SouJisuu, 6}}));
    QCOMPARE(nonZero(state.objYearTotal->hours), fields({{F::kokugo, 7},
                                                         {F::sannsuu, 3},
                                                         {F::syakai, 3},
                                                         {F::rika, 3},
                                                         {F::taiiku, 3},
                                                         {F::onngaku, 3},
                                                         {F::KyoukaSyoukei, 22},
                                                         {F::SouJyugyouJisuu, 22},
                                                         {F::uchikiri, 3},
                                                         {F::yobi, 3},
                                                         {F::SouJisuu, 28}}));
}

void TotalsTest::refreshOnAnEmptyChain() {
    AppState state = wizardState(2004);
    const YearTotalRef year = state.objYearTotal;
    year->hours.units.fill(3);
    for (const SeasonTotalRef &t : year->terms()) {
        t->hours.units.fill(3);
        t->objLastDay = dayOn(QDate(2004, 4, 12));
    }
    subRefreshActualTotals(state);
    QVERIFY(allZero(year->hours));
    for (const SeasonTotalRef &t : year->terms()) {
        QVERIFY(!t->objFirstDay);
        QVERIFY(allZero(t->hours));
    }
}

void TotalsTest::planTermsStandIns() {
    AppState state;
    subInitApp(state);
    const auto planned = state.objSeasonPlan->terms();
    QCOMPARE(fncPlanTerms(state), planned);

    state.objSeasonPlan = std::make_shared<ZuriYearTotal>(); // no terms
    auto standIns = fncPlanTerms(state);
    for (const SeasonTotalRef &t : standIns) {
        QVERIFY(t);
        QVERIFY(allZero(t->hours));
    }
    QVERIFY(standIns[0] != standIns[1] && standIns[1] != standIns[2]);

    state.objSeasonPlan.reset();
    standIns = fncPlanTerms(state);
    for (const SeasonTotalRef &t : standIns)
        QVERIFY(t && allZero(t->hours));
}

QTEST_APPLESS_MAIN(TotalsTest)
#include "totals_test.moc"
