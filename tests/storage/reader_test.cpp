// The reader: states read back as they were written, the values as the file spells them, the
// header check, and the write-read-write fixed point.

#include "model/school_day.h"
#include "storage_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

enum class Sample { FreshPlan, FirstTerm, JanuaryToMarch, OddTexts, Largest };

AppState sampleState(Sample which) {
    switch (which) {
    case Sample::FreshPlan:
        return sample::classState(2004);
    case Sample::FirstTerm: {
        AppState state = sample::classState(2004);
        sample::fillPlans(state);
        sample::registerDays(state, QDate(2004, 4, 6), QDate(2004, 7, 20), 9);
        return state;
    }
    case Sample::JanuaryToMarch: {
        // School year 2003: February 2004 has a 29th.
        AppState state = sample::classState(2003, 1);
        sample::fillPlans(state);
        sample::registerDays(state, QDate(2004, 1, 5), QDate(2004, 3, 31), 4);
        sample::registerDays(state, QDate(2003, 12, 20), QDate(2003, 12, 24));
        return state;
    }
    case Sample::OddTexts: {
        AppState state = sample::classState(2010, 6, u"ひまわり"_s, QString());
        sample::fillPlans(state);
        (*state.objYearPlan)[HourField::yobi] = -32768;
        (*state.objYearPlan)[HourField::kokugo] = 32767;
        (*state.objSeasonPlan->objFirstSeason)[HourField::uchikiri] = -7;
        sample::registerDays(state, QDate(2010, 9, 1), QDate(2010, 9, 3));
        ZuriDayTime *day = state.objFirstDay->objNextDay.get();
        day->strComment = u"雨のため体育は室内　ｸﾗﾌﾞは中止"_s;
        day->strSubject = u"予予切　　　　"_s; // shorter than eight periods
        day->objNextDay->strCredit = QString();
        state.objWeekPlanB->objFirstDay->strSubject = u"ｶﾀｶﾅ"_s;
        state.strWeekCreditA[2] = u"1"_s;
        return state;
    }
    case Sample::Largest:
        return sample::largestState();
    }
    return {};
}

void addSampleRows() {
    QTest::addColumn<Sample>("which");
    QTest::newRow("fresh plan, no days") << Sample::FreshPlan;
    QTest::newRow("first term registered, some withdrawn") << Sample::FirstTerm;
    QTest::newRow("January to March, leap February") << Sample::JanuaryToMarch;
    QTest::newRow("odd texts, hour fields at the 16-bit limits") << Sample::OddTexts;
    QTest::newRow("largest file") << Sample::Largest;
}

// A plan with two registered days, 8 and 9 April 2004; its day groups start on line 169.
AppState twoDayState() {
    AppState state = sample::classState(2004);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2004, 4, 8), QDate(2004, 4, 9));
    return state;
}

QStringList withLine(QStringList lines, int line, const QString &text) {
    lines[line - 1] = text;
    return lines;
}

// The lines of a plan without days, followed by day groups ("M/D comment" each).
QStringList withDayGroups(const QStringList &groups) {
    QStringList lines = writtenLines(sample::classState(2004));
    for (const QString &group : groups) {
        const QStringList parts = group.split(u' ');
        const QStringList monthDay = parts[0].split(u'/');
        lines += {u' ' + monthDay[0], u' ' + monthDay[1], u"国国国国国国国国"_s,
                  u"33333333"_s,      parts.value(1),     u"False"_s};
    }
    return lines;
}

QStringList chainSummary(const AppState &state) {
    QStringList summary;
    for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get())
        summary += (d->dateThisDay.toString(Qt::ISODate) + u' ' + d->strComment).trimmed();
    return summary;
}

} // namespace

Q_DECLARE_METATYPE(Sample)

class ReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void roundTrip_data() { addSampleRows(); }
    void roundTrip();
    void numbersAsTheFileSpellsThem_data();
    void numbersAsTheFileSpellsThem();
    void flagsAreTrueOnlyWhenExactlyTrue_data();
    void flagsAreTrueOnlyWhenExactlyTrue();
    void commentsComeBackAsWritten();
    void januaryToMarchBelongToTheNextCalendarYear();
    void saturdayTimeCodesAreEmptyAfterARead();
    void readingReplacesThePlanInMemory_data();
    void readingReplacesThePlanInMemory();
    void dayGroupsAreSortedAndTheLaterWins_data();
    void dayGroupsAreSortedAndTheLaterWins();
    void lineBreaks_data();
    void lineBreaks();
    void spareSlotComesBackButCountsAsNoHoliday();
    void notADataFile_data();
    void notADataFile();
    void notADataFileThroughLoadEmptiesTheFileName();
    void fileWithoutHeaderIsNotReadThrough();
    void loadedFileKeepsItsName();
    void fileThatCannotBeOpened();
    void writeReadWriteIsAFixedPoint_data();
    void writeReadWriteIsAFixedPoint();
    void inputsFoundByFuzzing_data();
    void inputsFoundByFuzzing();
};

void ReaderTest::roundTrip() {
    QFETCH(Sample, which);
    const AppState original = sampleState(which);
    const EncodeResult encoded = encodeDataFile(original);
    QVERIFY2(encoded.error.isEmpty(), qPrintable(encoded.error));

    AppState read = startedState();
    read.strFileName = u"/somewhere/class.zr2"_s;
    read.boolDaySelected = 1;
    const LoadResult result = readBytes(encoded.bytes, read);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.message.isEmpty());
    QCOMPARE(savedDifference(original, read), QString());
    QCOMPARE(read.strFileName, u"/somewhere/class.zr2"_s);
    QCOMPARE(read.boolDaySelected, qint16(0));

    // Dates come back whole, with their day numbers beside them.
    for (int k = 0; k < kHolidaySlots; ++k) {
        QCOMPARE(read.dateHoliday[k], original.dateHoliday[k]);
        QCOMPARE(read.intHolidayDay[k], qint16(original.dateHoliday[k].dayOfYear()));
    }
    for (int k = 0; k < original.intSpecialCount; ++k) {
        QCOMPARE(read.dateSpecial[k], original.dateSpecial[k]);
        QCOMPARE(read.intSpecialDay[k], qint16(original.dateSpecial[k].dayOfYear()));
    }
    int days = 0;
    for (const ZuriDayTime *d = read.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get()) {
        ++days;
        QCOMPARE(d->intThisDay, qint16(d->dateThisDay.dayOfYear()));
        QCOMPARE(d->intWeekName, qint16(d->dateThisDay.dayOfWeek() % 7));
        QCOMPARE(d->boolWorkDay, kTrue);
    }
    QCOMPARE(days, chainLength(*original.objFirstDay));

    // The timetables are rebuilt: six records, each with its weekday's time codes (Saturday's
    // are not stored), and totalled.
    for (const auto &[week, credits] : {std::pair{read.objWeekPlanA, read.strWeekCreditA},
                                        std::pair{read.objWeekPlanB, read.strWeekCreditB}}) {
        int weekday = 0;
        for (const ZuriDayTime *d = week->objFirstDay.get(); d; d = d->objNextDay.get()) {
            QCOMPARE(d->intWeekName, qint16(++weekday));
            QCOMPARE(d->strCredit, weekday == 6 ? QString() : credits[weekday - 1]);
            QCOMPARE(d->boolWeekEnd, weekday == 6 ? kTrue : kFalse);
        }
        QCOMPARE(weekday, 6);
        QCOMPARE(week->objLastDay->intWeekName, qint16(6));
        ZuriWeekTotal again;
        again.objFirstDay = week->objFirstDay;
        again.objLastDay = week->objLastDay;
        again.calculate();
        QCOMPARE(week->hours, again.hours);
    }
    // The term plans are summed into the year.
    ZuriYearTotal sums;
    sums.objFirstSeason = read.objSeasonPlan->objFirstSeason;
    sums.calculate();
    QCOMPARE(read.objSeasonPlan->hours, sums.hours);
    QCOMPARE(read.objSeasonPlan->objLastSeason, read.objSeasonPlan->terms()[2]);
}

void ReaderTest::numbersAsTheFileSpellsThem_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    // Line 2 is the year, line 3 the grade, line 63 the base 道徳 (the first plan field).
    QTest::newRow("year as written") << 2 << u" 2004"_s << 2004;
    QTest::newRow("year with a trailing blank") << 2 << u" 2004 "_s << 2004;
    QTest::newRow("year without the sign blank") << 2 << u"2004"_s << 2004;
    QTest::newRow("grade followed by text") << 3 << u" 3組"_s << 3;
    QTest::newRow("padded 816") << 63 << u" 816 "_s << 816;
    QTest::newRow("padded 0") << 63 << u" 0 "_s << 0;
    QTest::newRow("padded negative") << 63 << u"-3 "_s << -3;
    QTest::newRow("hour field written like the year") << 63 << u" 2004"_s << 2004;
    QTest::newRow("largest") << 63 << u" 32767 "_s << 32767;
    QTest::newRow("smallest") << 63 << u"-32768 "_s << -32768;
    QTest::newRow("empty line reads 0") << 63 << QString() << 0;
    QTest::newRow("no digits reads 0") << 63 << u"abc"_s << 0;
    QTest::newRow("stops at the point") << 63 << u" 12.5 "_s << 12;
    QTest::newRow("leading zeros") << 63 << u"007"_s << 7;
}

void ReaderTest::numbersAsTheFileSpellsThem() {
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, expected);
    AppState state = startedState();
    const LoadResult result =
        readBytes(cp932File(withLine(writtenLines(twoDayState()), line, text)), state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const int value = line == 2   ? state.intYear
                      : line == 3 ? state.intGrade
                                  : (*state.objYearPlan)[HourField::doutoku];
    QCOMPARE(value, expected);
    if (line == 2) // the dates follow the year: 1 January is in the calendar year after it
        QCOMPARE(state.dateHoliday[5].year(), expected + 1);
}

void ReaderTest::flagsAreTrueOnlyWhenExactlyTrue_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Flag>("expected");
    // Line 30 is boolSat1, line 174 the first day's withdrawn flag.
    QTest::newRow("True") << 30 << u"True"_s << kTrue;
    QTest::newRow("lower case true") << 30 << u"true"_s << kFalse;
    QTest::newRow("upper case") << 30 << u"TRUE"_s << kFalse;
    QTest::newRow("trailing blank") << 30 << u"True "_s << kFalse;
    QTest::newRow("the number -1") << 30 << u"-1"_s << kFalse;
    QTest::newRow("day flag True") << 174 << u"True"_s << kTrue;
    QTest::newRow("day flag true") << 174 << u"true"_s << kFalse;
    QTest::newRow("day flag empty") << 174 << QString() << kFalse;
}

void ReaderTest::flagsAreTrueOnlyWhenExactlyTrue() {
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(Flag, expected);
    AppState state = startedState();
    const LoadResult result =
        readBytes(cp932File(withLine(writtenLines(twoDayState()), line, text)), state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(line == 30 ? state.boolSat1 : state.objFirstDay->objNextDay->boolNowPlanning,
             expected);
}

void ReaderTest::commentsComeBackAsWritten() {
    QStringList lines = writtenLines(twoDayState());
    QCOMPARE(lines[172], QString()); // the program itself never writes a comment
    lines[178] = u"　運動会の振替　"_s;
    AppState state = startedState();
    QVERIFY(readBytes(cp932File(lines), state).ok());
    const ZuriDayTime *first = state.objFirstDay->objNextDay.get();
    QCOMPARE(first->strComment, QString());
    QCOMPARE(first->objNextDay->strComment, u"　運動会の振替　"_s);
}

void ReaderTest::januaryToMarchBelongToTheNextCalendarYear() {
    AppState original = sample::classState(2004);
    for (const QDate &d :
         {QDate(2004, 12, 24), QDate(2005, 1, 7), QDate(2005, 2, 28), QDate(2005, 3, 31)})
        original.objFirstDay->appendDay(makeRegisteredDay(d, u"国"_s, u"3"_s));
    const QStringList lines = writtenLines(original);
    QCOMPARE(lines.mid(168, 2), (QStringList{u" 12"_s, u" 24"_s}));
    QCOMPARE(lines.mid(174, 2), (QStringList{u" 1"_s, u" 7"_s}));
    QCOMPARE(lines.mid(180, 2), (QStringList{u" 2"_s, u" 28"_s}));
    QCOMPARE(lines.mid(186, 2), (QStringList{u" 3"_s, u" 31"_s}));

    AppState read = startedState();
    QVERIFY(readBytes(cp932File(lines), read).ok());
    QCOMPARE(chainSummary(read),
             (QStringList{u"2004-12-24"_s, u"2005-01-07"_s, u"2005-02-28"_s, u"2005-03-31"_s}));
    QVERIFY(read.objFirstDay->searchDay(QDate(2005, 1, 7)));
    QVERIFY(!read.objFirstDay->searchDay(QDate(2004, 1, 7)));
}

void ReaderTest::saturdayTimeCodesAreEmptyAfterARead() {
    const QByteArray file = encodeDataFile(twoDayState()).bytes;
    AppState state = twoDayState();
    state.strWeekCreditA[5] = u"13300000"_s;
    state.strWeekCreditB[5] = u"13300000"_s;
    subApplyWeekCredits(*state.objWeekPlanA, state.strWeekCreditA);
    subApplyWeekCredits(*state.objWeekPlanB, state.strWeekCreditB);

    QVERIFY(readBytes(file, state).ok());
    QVERIFY(state.strWeekCreditA[5].isEmpty());
    QVERIFY(state.strWeekCreditB[5].isEmpty());
    QVERIFY(state.objWeekPlanA->objLastDay->strCredit.isEmpty());
    QVERIFY(state.objWeekPlanB->objLastDay->strCredit.isEmpty());
    QCOMPARE(state.objWeekPlanA->objFirstDay->strCredit, fncStdCredit(3, 0));
}

void ReaderTest::readingReplacesThePlanInMemory_data() {
    QTest::addColumn<QStringList>("fileDays");
    QTest::newRow("file without days") << QStringList{};
    QTest::newRow("file with two days") << QStringList{u"4/8"_s, u"4/9"_s};
    QTest::newRow("file day on a date the memory has too") << QStringList{u"6/1 file"_s};
}

void ReaderTest::readingReplacesThePlanInMemory() {
    QFETCH(QStringList, fileDays);
    AppState state = sample::classState(2004);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2004, 5, 10), QDate(2004, 6, 30));
    const DayRef oldHead = state.objFirstDay;

    QVERIFY(readBytes(cp932File(withDayGroups(fileDays)), state).ok());
    QStringList expected;
    for (const QString &d : fileDays) {
        const QStringList parts = d.split(u' ');
        const QStringList md = parts[0].split(u'/');
        expected += QDate(2004, md[0].toInt(), md[1].toInt()).toString(Qt::ISODate) +
                    (parts.size() > 1 ? u' ' + parts[1] : QString());
    }
    QCOMPARE(chainSummary(state), expected);
    QVERIFY(state.objFirstDay != oldHead);
    QCOMPARE(state.objYearPlan->hours, HourCounts{});
    QVERIFY(state.objWeekPlanA->objFirstDay->strSubject.isEmpty());
}

void ReaderTest::dayGroupsAreSortedAndTheLaterWins_data() {
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("in order") << QStringList{u"4/8"_s, u"4/9"_s}
                              << QStringList{u"2004-04-08"_s, u"2004-04-09"_s};
    QTest::newRow("reversed") << QStringList{u"4/10"_s, u"4/9"_s, u"4/8"_s}
                              << QStringList{u"2004-04-08"_s, u"2004-04-09"_s, u"2004-04-10"_s};
    QTest::newRow("January before April in the file")
        << QStringList{u"1/7"_s, u"4/8"_s} << QStringList{u"2004-04-08"_s, u"2005-01-07"_s};
    QTest::newRow("one out of place")
        << QStringList{u"4/8"_s, u"4/12"_s, u"4/9"_s, u"4/13"_s}
        << QStringList{u"2004-04-08"_s, u"2004-04-09"_s, u"2004-04-12"_s, u"2004-04-13"_s};
    QTest::newRow("same date twice, later wins")
        << QStringList{u"4/8 earlier"_s, u"4/9"_s, u"4/8 later"_s}
        << QStringList{u"2004-04-08 later"_s, u"2004-04-09"_s};
    QTest::newRow("same date in a row, later wins")
        << QStringList{u"4/9 earlier"_s, u"4/9 later"_s} << QStringList{u"2004-04-09 later"_s};
    QTest::newRow("last date twice, then an earlier one")
        << QStringList{u"4/8"_s, u"4/9 earlier"_s, u"4/9 later"_s, u"4/7"_s}
        << QStringList{u"2004-04-07"_s, u"2004-04-08"_s, u"2004-04-09 later"_s};
}

void ReaderTest::dayGroupsAreSortedAndTheLaterWins() {
    QFETCH(QStringList, groups);
    QFETCH(QStringList, chain);
    AppState state = startedState();
    const LoadResult result = readBytes(cp932File(withDayGroups(groups)), state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(chainSummary(state), chain);
    // The chain is written back sorted, one group per date.
    QCOMPARE(writtenLines(state).size(), 168 + 6 * chain.size());
}

void ReaderTest::lineBreaks_data() {
    QTest::addColumn<QByteArray>("file");
    const QByteArray crlf = encodeDataFile(twoDayState()).bytes;
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    QTest::newRow("CR LF") << crlf;
    QTest::newRow("last line without CR LF") << crlf.chopped(2);
    QTest::newRow("LF only") << lf;
    QTest::newRow("LF only, last line without") << lf.chopped(1);
    QTest::newRow("CR only") << cr;
    QTest::newRow("CR only, last line without") << cr.chopped(1);
}

void ReaderTest::lineBreaks() {
    QFETCH(QByteArray, file);
    AppState state = startedState();
    const LoadResult result = readBytes(file, state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(savedDifference(twoDayState(), state), QString());
    // The last line, the second day's flag, is read whole, with no break in it.
    QCOMPARE(state.objFirstDay->objNextDay->objNextDay->boolNowPlanning, kFalse);
    QCOMPARE(writtenLines(state), writtenLines(twoDayState()));
}

void ReaderTest::spareSlotComesBackButCountsAsNoHoliday() {
    AppState original = sample::classState(2004);
    const QDate spare(2004, 6, 2); // a Wednesday, otherwise a school day
    setSpecialDate(original, kNationalHolidayRows, spare);
    QVERIFY(fncIsSchoolDay(original, spare));

    AppState read = startedState();
    QVERIFY(readBytes(encodeDataFile(original).bytes, read).ok());
    QCOMPARE(read.intSpecialCount, qint16(14));
    QCOMPARE(read.dateSpecial[14], spare);
    QCOMPARE(read.intSpecialDay[14], qint16(spare.dayOfYear()));
    QVERIFY(fncIsSchoolDay(read, spare));
}

void ReaderTest::notADataFile_data() {
    QTest::addColumn<QByteArray>("file");
    const QStringList valid = writtenLines(twoDayState());
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header with a trailing blank") << cp932File(withLine(valid, 1, u"トワラ "_s));
    QTest::newRow("header with a leading blank") << cp932File(withLine(valid, 1, u" トワラ"_s));
    QTest::newRow("empty first line") << cp932File(withLine(valid, 1, QString()));
    QTest::newRow("product name") << cp932File(withLine(valid, 1, u"トワラ2002"_s));
    QTest::newRow("half-width katakana") << cp932File(withLine(valid, 1, u"ﾄﾜﾗ"_s));
    QByteArray utf8 = cp932File(valid);
    utf8.replace(0, 6, u"トワラ"_s.toUtf8());
    QTest::newRow("header in UTF-8") << utf8;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + cp932File(valid);
    QTest::newRow("header and a stray lead byte") << QByteArray::fromHex("8367838f838982") + "\r\n";
    QTest::newRow("a text file") << QByteArray("hello\r\nworld\r\n");
    QTest::newRow("binary") << QByteArray::fromHex("00ff00ff8367");
}

void ReaderTest::notADataFile() {
    QFETCH(QByteArray, file);
    AppState state = sample::classState(2010);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2010, 4, 6), QDate(2010, 4, 30));
    state.strFileName = u"/somewhere/else.zr2"_s;
    state.boolDaySelected = 1;
    const AppState before = state;
    const QStringList linesBefore = writtenLines(state);

    const LoadResult result = readBytes(file, state);
    QCOMPARE(result.status, LoadResult::Status::NotADataFile);
    QCOMPARE(result.message, u"「トワラ2002」のデータファイルではありません"_s);
    QCOMPARE(state.boolDaySelected, qint16(0));
    // Nothing else changed: the very same records, the same lines to save.
    QCOMPARE(state.objFirstDay, before.objFirstDay);
    QCOMPARE(state.objYearPlan, before.objYearPlan);
    QCOMPARE(state.objWeekPlanA, before.objWeekPlanA);
    QCOMPARE(state.intSpecialCount, before.intSpecialCount);
    QCOMPARE(writtenLines(state), linesBefore);
    QCOMPARE(state.strFileName, before.strFileName); // the file routine empties it
}

void ReaderTest::notADataFileThroughLoadEmptiesTheFileName() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"other.zr2"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x83\x67\x83\x8f\x83\x89 \r\n"); // trailing blank after the header
    file.close();

    AppState state = twoDayState();
    state.strFileName = path;
    const QStringList linesBefore = writtenLines(state);
    const LoadResult result = subLoadFile(state);
    QCOMPARE(result.status, LoadResult::Status::NotADataFile);
    QVERIFY(state.strFileName.isEmpty());
    QCOMPARE(writtenLines(state), linesBefore);
}

void ReaderTest::fileWithoutHeaderIsNotReadThrough() {
    // Anything may be chosen in the open dialog: a large file that does not begin with the
    // header is refused without being read into memory.
    QByteArray large(64 * 1024 * 1024, 'x');
    QBuffer buffer(&large);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    AppState state = startedState();
    QCOMPARE(readDataFile(buffer, state).status, LoadResult::Status::NotADataFile);
    QCOMPARE(buffer.pos(), 0);
}

void ReaderTest::loadedFileKeepsItsName() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AppState original = twoDayState();
    original.strFileName = dir.filePath(u"2004年度.zr2"_s);
    QVERIFY(subSaveFile(original).ok());

    AppState state = startedState();
    state.strFileName = original.strFileName;
    state.boolDaySelected = 1;
    const LoadResult result = subLoadFile(state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(state.strFileName, original.strFileName);
    QCOMPARE(state.boolDaySelected, qint16(0));
    QCOMPARE(savedDifference(original, state), QString());
}

void ReaderTest::fileThatCannotBeOpened() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AppState state = twoDayState();
    state.strFileName = dir.filePath(u"missing.zr2"_s);
    state.boolDaySelected = 1;
    const QStringList linesBefore = writtenLines(state);

    const LoadResult result = subLoadFile(state);
    QCOMPARE(result.status, LoadResult::Status::CannotOpen);
    QVERIFY2(result.message.contains(u"missing.zr2"_s), qPrintable(result.message));
    QVERIFY(state.strFileName.isEmpty());
    QCOMPARE(state.boolDaySelected, qint16(0));
    QCOMPARE(writtenLines(state), linesBefore); // nothing was read, nothing replaced
}

void ReaderTest::writeReadWriteIsAFixedPoint_data() {
    QTest::addColumn<QByteArray>("file");
    for (Sample which : {Sample::FreshPlan, Sample::FirstTerm, Sample::JanuaryToMarch,
                         Sample::OddTexts, Sample::Largest})
        QTest::addRow("written from sample %d", int(which))
            << encodeDataFile(sampleState(which)).bytes;

    // Files the program would not write itself, but reads: the first write puts them in the
    // program's own form, and from then on every write gives the same bytes.
    const QStringList valid = writtenLines(twoDayState());
    QStringList odd = valid;
    odd[5] = u"04"_s;    // month with a leading zero, no sign blank
    odd[1] = u"+2004"_s; // year with a plus sign
    odd[62] = u"0007"_s; // hour field with leading zeros, no blanks
    odd[29] = u"true"_s; // a flag that reads False
    odd[168] = u" 4 "_s; // day month with a trailing blank
    QTest::newRow("numbers spelled otherwise") << cp932File(odd, false);
    QTest::newRow("days out of order, one twice")
        << cp932File(withDayGroups({u"4/9"_s, u"4/8 a"_s, u"4/9 b"_s}));
    QStringList kanji = valid;
    kanji[3] = u"組"_s;
    QByteArray necIbm = cp932File(kanji);
    necIbm.replace(QByteArray::fromHex("9167"), QByteArray::fromHex("ed40")); // 纊, NEC row 89
    QTest::newRow("NEC-selected IBM extension kanji") << necIbm;
    QByteArray userDefined = cp932File(kanji);
    userDefined.replace(QByteArray::fromHex("9167"), QByteArray::fromHex("f040"));
    QTest::newRow("user-defined character") << userDefined;
}

void ReaderTest::writeReadWriteIsAFixedPoint() {
    QFETCH(QByteArray, file);
    AppState first = startedState();
    LoadResult result = readBytes(file, first);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const EncodeResult once = encodeDataFile(first);
    QVERIFY2(once.error.isEmpty(), qPrintable(once.error));

    AppState second = startedState();
    result = readBytes(once.bytes, second);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const EncodeResult twice = encodeDataFile(second);
    QCOMPARE(twice.bytes, once.bytes);
    QCOMPARE(savedDifference(first, second), QString());
}

void ReaderTest::inputsFoundByFuzzing_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(MIRUNE_STORAGE_TEST_DATA) + u"/fuzz"_s);
    const QStringList files = dir.entryList(QDir::Files | QDir::NoDotAndDotDot);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

// Each of these once broke a check of fuzz_data_file. Whatever the reader makes of them now, a
// file it loads can be saved and read back to the same bytes, and a file it refuses leaves the
// week and year data reset.
void ReaderTest::inputsFoundByFuzzing() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    AppState state = startedState();
    const LoadResult result = readBytes(file.readAll(), state);
    if (result.ok()) {
        const EncodeResult once = encodeDataFile(state);
        QVERIFY2(once.error.isEmpty(), qPrintable(once.error));
        AppState again = startedState();
        QVERIFY(readBytes(once.bytes, again).ok());
        QCOMPARE(encodeDataFile(again).bytes, once.bytes);
    } else {
        QVERIFY(!result.message.isEmpty());
        if (result.status == LoadResult::Status::Failed) {
            QVERIFY(result.line >= 2);
            QCOMPARE(notFreshWeekAndYearData(state), QString());
        }
    }
}

QTEST_GUILESS_MAIN(ReaderTest)
#include "reader_test.moc"
