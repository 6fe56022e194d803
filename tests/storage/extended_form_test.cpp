// The two forms of the data file: a plan without 外国語 and 外国語活動 is written exactly as it
// always was; one that uses either is written in the extended form, which carries them. Both read
// back byte for byte.

#include "model/hour_totals.h"
#include "storage_test_support.h"

#include <QtTest>

using namespace mirune;
using namespace mirune::test;
using F = HourField;

namespace {

// A small year (2004, so that its curriculum gives neither row hours of its own): the full
// sample plan, both timetables and a registered week.
AppState smallState() {
    AppState state = sample::classState(2004);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2004, 4, 5), QDate(2004, 4, 9));
    return state;
}

// Lines of today's form for this state: 21 fields in each of the four plan records.
constexpr int kPlanRecords = 4;

} // namespace

class ExtendedFormTest : public QObject {
    Q_OBJECT
  private slots:
    void formFollowsUse_data();
    void formFollowsUse();
    void extendedPlanLinesFollowTodays();
    void oldFileWithTheNewCodesIsCountedAndSavedExtended();
    void extendedFileStaysExtended();
    void brokenExtendedFileNamesItsLine();
    void unknownHeaderIsStillRefused();
};

void ExtendedFormTest::formFollowsUse_data() {
    QTest::addColumn<QString>("use");
    QTest::addColumn<bool>("extended");
    QTest::newRow("none") << QString() << false;
    QTest::newRow("a base plan field only") << u"base"_s << true;
    QTest::newRow("a term plan field only") << u"term"_s << true;
    QTest::newRow("a timetable cell only") << u"timetable"_s << true;
    QTest::newRow("a day only") << u"day"_s << true;
    QTest::newRow("a withdrawn day only") << u"withdrawn"_s << true;
}

void ExtendedFormTest::formFollowsUse() {
    QFETCH(QString, use);
    QFETCH(bool, extended);
    AppState state = smallState();
    const QStringList before = writtenLines(state);
    if (use == u"base"_s) {
        (*state.objYearPlan)[F::gaikokugokatsudou] = 105;
    } else if (use == u"term"_s) {
        (*state.objSeasonPlan->terms()[1])[F::gaikokugo] = 1;
    } else if (use == u"timetable"_s) {
        state.objWeekPlanA->objFirstDay->strSubject = u"　英算社体学　　"_s;
    } else if (use == u"day"_s || use == u"withdrawn"_s) {
        ZuriDayTime *day = state.objFirstDay->objNextDay.get();
        day->strSubject = u"　国外社体学　　"_s;
        if (use == u"withdrawn"_s)
            day->boolNowPlanning = kTrue;
    }

    const EncodeResult encoded = encodeDataFile(state);
    QVERIFY(encoded.error.isEmpty());
    const QStringList lines = cp932Lines(encoded.bytes);
    QCOMPARE(lines.first(), extended ? u"トワラ2"_s : u"トワラ"_s);
    QCOMPARE(lines.size(), before.size() + (extended ? 2 * kPlanRecords : 0));
    if (!extended)
        QCOMPARE(lines, before);

    // Read back: the same state, and the same bytes written again.
    AppState loaded = startedState();
    QVERIFY(readBytes(encoded.bytes, loaded).ok());
    QCOMPARE(isTrue(loaded.boolExtendedForm), extended);
    QCOMPARE(savedDifference(state, loaded), QString());
    QCOMPARE(encodeDataFile(loaded).bytes, encoded.bytes);
}

void ExtendedFormTest::extendedPlanLinesFollowTodays() {
    // Each plan record keeps today's 21 lines in their order and adds 外国語, 外国語活動 after
    // them; every other line stands where it stands today.
    AppState state = smallState();
    const QStringList today = writtenLines(state);
    (*state.objYearPlan)[F::gaikokugo] = 210;
    (*state.objYearPlan)[F::gaikokugokatsudou] = 105;
    const auto terms = state.objSeasonPlan->terms();
    for (int t = 0; t < 3; ++t)
        (*terms[t])[F::gaikokugo] = qint16(70 + t);
    const QStringList lines = writtenLines(state);

    // The special holidays' slots 0 to S take two lines each from line 33.
    const int basePlan = 33 + 2 * (state.intSpecialCount + 1);
    QCOMPARE(lines.mid(1, basePlan - 2), today.mid(1, basePlan - 2));
    QCOMPARE(lines.mid(basePlan - 1, 21), today.mid(basePlan - 1, 21));
    QCOMPARE(lines[basePlan - 1 + 21], u" 210 "_s);
    QCOMPARE(lines[basePlan - 1 + 22], u" 105 "_s);
    const int timetables = basePlan + 23;
    QCOMPARE(lines.mid(timetables - 1, 22), today.mid(timetables - 1 - 2, 22));
    const int termPlans = timetables + 22;
    for (int t = 0; t < 3; ++t) {
        const int first = termPlans - 1 + 23 * t;
        QCOMPARE(lines.mid(first, 21), today.mid(first - 2 - 2 * t, 21));
        QCOMPARE(lines[first + 21], u" %1 "_s.arg(70 + t));
        QCOMPARE(lines[first + 22], u" 0 "_s);
    }
    const int days = termPlans + 3 * 23;
    QCOMPARE(lines.mid(days - 1), today.mid(days - 1 - 8));
}

void ExtendedFormTest::oldFileWithTheNewCodesIsCountedAndSavedExtended() {
    // A file of today's form whose days already hold 英 and 外 (written by hand, or by a program
    // that passed the codes through): read as it is, the codes counted, saved extended.
    AppState state = smallState();
    QStringList lines = writtenLines(state);
    const qsizetype subjectsLine = lines.size() - 6 * 5 + 2; // the first day's subjects
    QCOMPARE(lines[subjectsLine], sample::weekdaySubjects(0));
    lines[subjectsLine] = u"　英外社体学　　"_s;
    const QByteArray old = cp932File(lines);

    AppState loaded = startedState();
    QVERIFY(readBytes(old, loaded).ok());
    QVERIFY(!isTrue(loaded.boolExtendedForm));
    ZuriWeekTotal week;
    week.objFirstDay = loaded.objFirstDay->objNextDay;
    week.objLastDay = week.objFirstDay;
    week.calculate();
    QVERIFY(week[F::gaikokugo] > 0);
    QVERIFY(week[F::gaikokugokatsudou] > 0);

    const QStringList saved = writtenLines(loaded);
    QCOMPARE(saved.first(), u"トワラ2"_s);
    QCOMPARE(saved.size(), lines.size() + 2 * kPlanRecords);
    QCOMPARE(saved.mid(saved.size() - 30), lines.mid(lines.size() - 30));
}

void ExtendedFormTest::extendedFileStaysExtended() {
    // Taking the hours out again does not turn the file back: what was read is written.
    AppState state = smallState();
    (*state.objYearPlan)[F::gaikokugo] = 3;
    AppState loaded = startedState();
    QVERIFY(readBytes(encodeDataFile(state).bytes, loaded).ok());
    (*loaded.objYearPlan)[F::gaikokugo] = 0;
    const QByteArray bytes = encodeDataFile(loaded).bytes;
    QCOMPARE(cp932Lines(bytes).first(), u"トワラ2"_s);
    AppState again = startedState();
    QVERIFY(readBytes(bytes, again).ok());
    QCOMPARE(encodeDataFile(again).bytes, bytes);

    // A new plan starts in today's form.
    subInitYearData(again);
    QVERIFY(!isTrue(again.boolExtendedForm));
}

void ExtendedFormTest::brokenExtendedFileNamesItsLine() {
    AppState state = smallState();
    (*state.objYearPlan)[F::gaikokugo] = 3;
    QStringList lines = writtenLines(state);
    const int basePlan = 33 + 2 * (state.intSpecialCount + 1);
    // Cut two lines into the third term's plan, which starts after the base plan, the
    // timetables and two term plans of 23 lines each.
    const int thirdTerm = basePlan + 23 + 22 + 2 * 23;
    const QByteArray cut = cp932File(lines.mid(0, thirdTerm + 1));
    AppState loaded = startedState();
    const LoadResult result = readBytes(cut, loaded);
    QVERIFY(!result.ok());
    QCOMPARE(result.line, thirdTerm + 2);
    // A field of the extended part out of range is named at its own line.
    lines[basePlan - 1 + 21] = u"-32769"_s;
    AppState other = startedState();
    const LoadResult bad = readBytes(cp932File(lines), other);
    QVERIFY(!bad.ok());
    QCOMPARE(bad.line, basePlan + 21);
}

void ExtendedFormTest::unknownHeaderIsStillRefused() {
    AppState state = smallState();
    QStringList lines = writtenLines(state);
    for (const QString &header : {u"トワラ3"_s, u"トワラ2 "_s, u"トワ"_s}) {
        lines[0] = header;
        AppState loaded = startedState();
        const LoadResult result = readBytes(cp932File(lines), loaded);
        QCOMPARE(result.status, LoadResult::Status::NotADataFile);
    }
}

QTEST_APPLESS_MAIN(ExtendedFormTest)
#include "extended_form_test.moc"
