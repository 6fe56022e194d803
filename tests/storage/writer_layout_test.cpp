// The writer's layout: every line of a small known state, the bytes of the code page and the
// line breaks, the number of lines, and the texts the file cannot carry.

#include "model/hour_fields.h"
#include "storage_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

// School year 2004, grade 3, class "1", with every date set by hand, so that the expected lines
// below can be read straight off it.
AppState knownState() {
    AppState state = startedState();
    ClassChoice choice;
    choice.year = 2004;
    choice.gradeText = u"3"_s;
    choice.classText = u"1"_s;
    choice.teacherText = u"山田　花子"_s;
    subGetClass(state, choice, [] { return YearChangeAnswer::Yes; });

    const QDate holidays[kHolidaySlots] = {
        {2004, 4, 1},  {2004, 4, 4},  {2004, 7, 20}, {2004, 8, 31},  {2004, 12, 25}, {2005, 1, 7},
        {2005, 3, 19}, {2005, 3, 31}, {2004, 9, 23}, {2004, 10, 11}, {2005, 1, 10},  {2005, 3, 20},
    };
    for (int k = 0; k < kHolidaySlots; ++k)
        setHolidayDate(state, k, holidays[k]);
    state.boolSat1 = kFalse;
    state.boolSat2 = kTrue;
    const QDate national[kNationalHolidayRows] = {
        {2004, 4, 29},  {2004, 5, 3},  {2004, 5, 4},   {2004, 5, 5},  {2004, 7, 19},
        {2004, 9, 20},  {2004, 9, 23}, {2004, 10, 11}, {2004, 11, 3}, {2004, 11, 23},
        {2004, 12, 23}, {2005, 1, 10}, {2005, 2, 11},  {2005, 3, 21},
    };
    for (int k = 0; k < kNationalHolidayRows; ++k)
        setSpecialDate(state, k, national[k]);

    using F = HourField;
    (*state.objYearPlan)[F::doutoku] = 105;
    (*state.objYearPlan)[F::kokugo] = 816;
    (*state.objYearPlan)[F::sannsuu] = 2004;
    (*state.objYearPlan)[F::yobi] = -3;
    const auto terms = state.objSeasonPlan->terms();
    (*terms[0])[F::kokugo] = 270;
    (*terms[1])[F::kokugo] = 300;
    (*terms[2])[F::zukou] = -1;
    state.objSeasonPlan->calculate();

    ZuriDayTime *monA = state.objWeekPlanA->objFirstDay.get();
    monA->strSubject = u"　国算社体音　　"_s;
    state.objWeekPlanA->objLastDay->strSubject = u"国国算　　　　　"_s;
    state.objWeekPlanB->objFirstDay->objNextDay->objNextDay->strSubject = u"算算算算算算算算"_s;
    state.strWeekCreditA[0] = u"13333200"_s;
    state.strWeekCreditA[1] = u"13333000"_s;
    state.strWeekCreditA[5] = u"13300000"_s; // Saturday: not stored
    state.strWeekCreditB[4] = u"44444444"_s;
    subApplyWeekCredits(*state.objWeekPlanA, state.strWeekCreditA);
    subApplyWeekCredits(*state.objWeekPlanB, state.strWeekCreditB);

    state.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2004, 4, 8), u"　国算社体音　　"_s, u"13333200"_s));
    DayRef snowDay = makeRegisteredDay(QDate(2005, 1, 7), u"国　　　　　　　"_s, u"30000000"_s);
    snowDay->strComment = u"雪のため"_s;
    snowDay->boolNowPlanning = kTrue;
    state.objFirstDay->appendDay(snowDay);
    return state;
}

// 21 padded lines in the file's field order, " 0 " but where given (position 1..21).
QStringList planLines(std::initializer_list<std::pair<int, const char16_t *>> values) {
    QStringList lines(21, u" 0 "_s);
    for (const auto &[position, text] : values)
        lines[position - 1] = QString::fromUtf16(text);
    return lines;
}

QStringList knownStateLines() {
    QStringList lines = {u"トワラ"_s, u" 2004"_s, u" 3"_s, u"1"_s, u"山田　花子"_s};
    lines += {u" 4"_s,  u" 1"_s,  u" 4"_s,  u" 4"_s,  u" 7"_s, u" 20"_s, u" 8"_s, u" 31"_s,
              u" 12"_s, u" 25"_s, u" 1"_s,  u" 7"_s,  u" 3"_s, u" 19"_s, u" 3"_s, u" 31"_s,
              u" 9"_s,  u" 23"_s, u" 10"_s, u" 11"_s, u" 1"_s, u" 10"_s, u" 3"_s, u" 20"_s};
    lines += {u"False"_s, u"True"_s, u" 14"_s};
    lines += {u" 4"_s,  u" 29"_s, u" 5"_s,  u" 3"_s, u" 5"_s,  u" 4"_s,  u" 5"_s,
              u" 5"_s,  u" 7"_s,  u" 19"_s, u" 9"_s, u" 20"_s, u" 9"_s,  u" 23"_s,
              u" 10"_s, u" 11"_s, u" 11"_s, u" 3"_s, u" 11"_s, u" 23"_s, u" 12"_s,
              u" 23"_s, u" 1"_s,  u" 10"_s, u" 2"_s, u" 11"_s, u" 3"_s,  u" 21"_s};
    lines += {u" 12"_s, u" 30"_s}; // the spare slot 14, never set: the zero date
    lines += planLines({{1, u" 105 "}, {6, u" 816 "}, {11, u" 2004 "}, {20, u"-3 "}});
    lines +=
        {u"　国算社体音　　"_s, QString(), QString(), QString(), QString(), u"国国算　　　　　"_s};
    lines += {QString(), QString(), u"算算算算算算算算"_s, QString(), QString(), QString()};
    lines += {u"13333200"_s, u"13333000"_s, QString(), QString(), QString()};
    lines += {QString(), QString(), QString(), QString(), u"44444444"_s};
    lines += planLines({{6, u" 270 "}});
    lines += planLines({{6, u" 300 "}});
    lines += planLines({{21, u"-1 "}});
    lines += {u" 4"_s, u" 8"_s, u"　国算社体音　　"_s, u"13333200"_s, QString(), u"False"_s};
    lines += {u" 1"_s, u" 7"_s, u"国　　　　　　　"_s, u"30000000"_s, u"雪のため"_s, u"True"_s};
    return lines;
}

} // namespace

class WriterLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void everyLineOfAKnownState();
    void bytesOfTheCodePage_data();
    void bytesOfTheCodePage();
    void everyLineEndsWithCrLf();
    void lineCount_data();
    void lineCount();
    void freshPlanCarriesTheZeroDateInItsSpareSlot();
    void textsTheFileCannotCarry_data();
    void textsTheFileCannotCarry();
};

void WriterLayoutTest::everyLineOfAKnownState() {
    const QStringList written = writtenLines(knownState());
    const QStringList expected = knownStateLines();
    QCOMPARE(expected.size(), 140 + 2 * 14 + 6 * 2);
    for (qsizetype i = 0; i < qMin(written.size(), expected.size()); ++i)
        QVERIFY2(written[i] == expected[i],
                 qPrintable(u"line %1: \"%2\", expected \"%3\""_s.arg(i + 1).arg(written[i],
                                                                                 expected[i])));
    QCOMPARE(written.size(), expected.size());
}

void WriterLayoutTest::bytesOfTheCodePage_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("header トワラ") << 1 << QByteArray::fromHex("8367838f8389");
    QTest::newRow("year with a sign blank") << 2 << QByteArray(" 2004");
    QTest::newRow("teacher with an ideographic space")
        << 5 << QByteArray::fromHex("8e529363814089d48e71");
    QTest::newRow("flag") << 31 << QByteArray("True");
    QTest::newRow("padded hour field") << 68 << QByteArray(" 816 ");
    QTest::newRow("padded 2004") << 73 << QByteArray(" 2004 ");
    QTest::newRow("padded negative") << 82 << QByteArray("-3 ");
    QTest::newRow("day subjects") << 171 << QByteArray::fromHex("81408d918e5a8ed091cc89b981408140");
    QTest::newRow("empty comment") << 173 << QByteArray();
    QTest::newRow("comment") << 179 << QByteArray::fromHex("90e182cc82bd82df");
}

void WriterLayoutTest::bytesOfTheCodePage() {
    QFETCH(int, line);
    QFETCH(QByteArray, bytes);
    const QList<QByteArray> lines = encodeDataFile(knownState()).bytes.split('\n');
    QVERIFY(line <= lines.size());
    QCOMPARE(lines[line - 1], bytes + '\r');
}

void WriterLayoutTest::everyLineEndsWithCrLf() {
    const QByteArray bytes = encodeDataFile(knownState()).bytes;
    QVERIFY(bytes.startsWith("\x83\x67")); // no byte-order mark
    QVERIFY(bytes.endsWith("True\r\n"));
    QCOMPARE(bytes.count("\r\n"), 180);
    QCOMPARE(bytes.count('\n'), 180);
    QCOMPARE(bytes.count('\r'), 180);
}

void WriterLayoutTest::lineCount_data() {
    QTest::addColumn<int>("specialCount");
    QTest::addColumn<int>("days");
    QTest::newRow("fresh plan, no days") << 14 << 0;
    QTest::newRow("no special holidays") << 0 << 0;
    QTest::newRow("teacher's holidays, a month of days") << 20 << 30;
    QTest::newRow("largest: 200 holidays, a leap year of days") << 200 << 366;
}

void WriterLayoutTest::lineCount() {
    QFETCH(int, specialCount);
    QFETCH(int, days);
    AppState state = sample::classState(2027);
    sample::fillPlans(state);
    if (specialCount >= kNationalHolidayRows)
        sample::addTeacherHolidays(state, specialCount);
    else
        state.intSpecialCount = qint16(specialCount);
    if (days > 0)
        sample::registerDays(state, QDate(2027, 4, 1), QDate(2027, 4, 1).addDays(days - 1), 5);
    QCOMPARE(chainLength(*state.objFirstDay), days);

    QCOMPARE(writtenLines(state).size(), 140 + 2 * specialCount + 6 * days);
}

void WriterLayoutTest::freshPlanCarriesTheZeroDateInItsSpareSlot() {
    // A plan just made by the wizard: slots 0..13 hold the national holidays, 14 was never set.
    const QStringList lines = writtenLines(sample::classState(2004));
    QCOMPARE(lines.size(), 168);
    QCOMPARE(lines[31], u" 14"_s);
    QCOMPARE(lines[32], u" 4"_s);
    QCOMPARE(lines[33], u" 29"_s);
    QCOMPARE(lines[60], u" 12"_s);
    QCOMPARE(lines[61], u" 30"_s);
}

void WriterLayoutTest::textsTheFileCannotCarry_data() {
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<int>("line");
    // A line break would shift every later line; a character outside the code page would come
    // back as another. Either is refused with the line named, instead of a file that reads wrong.
    QTest::newRow("line feed in the teacher") << u"山田\n花子"_s << QString() << 5;
    QTest::newRow("carriage return in a comment") << QString() << u"雨\r"_s << 173;
    QTest::newRow("emoji in a comment") << QString() << u"晴れ😀"_s << 173;
    QTest::newRow("hangul in the teacher") << u"김"_s << QString() << 5;
    QTest::newRow("lone surrogate ending a comment") << QString() << QString(QChar(0xD83D)) << 173;
}

void WriterLayoutTest::textsTheFileCannotCarry() {
    QFETCH(QString, teacher);
    QFETCH(QString, comment);
    QFETCH(int, line);
    AppState state = knownState();
    state.strTeacher = teacher;
    state.objFirstDay->objNextDay->strComment = comment;

    const EncodeResult result = encodeDataFile(state);
    QVERIFY(result.bytes.isEmpty());
    QCOMPARE(result.line, line);
    QVERIFY2(result.error.contains(QString::number(line)), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(WriterLayoutTest)
#include "writer_layout_test.moc"
