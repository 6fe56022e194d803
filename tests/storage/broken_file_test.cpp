// Files that pass the header check and then fail: each is refused at the line that is wrong,
// with a message that names it, and the week and year data are reset while the class settings
// stay as they were.

#include "storage_test_support.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

QString dataPath(const QString &name) {
    return QStringLiteral(MIRUNE_STORAGE_TEST_DATA) + u'/' + name;
}

// What data/valid_small.zr2 holds.
AppState validSmallState() {
    AppState state = sample::classState(2004);
    sample::fillPlans(state);
    state.intSpecialCount = 0;
    state.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2004, 4, 8), sample::weekdaySubjects(3), u"13333200"_s));
    return state;
}

// The plan in memory when a broken file is opened: another class and year, with days, teacher's
// holidays and timetables.
AppState planInMemory() {
    AppState state = sample::classState(2010, 5, u"2"_s, u"佐藤"_s);
    sample::fillPlans(state);
    sample::addTeacherHolidays(state, 20);
    sample::registerDays(state, QDate(2010, 4, 6), QDate(2010, 5, 31), 7);
    return state;
}

namespace reason {
const QString date = u"が日付になりません"_s;
const QString endsInside = u"の途中で終わっています"_s;
const QString number = u"範囲（-32768～32767）を超えています"_s;
const QString specialCount = u"特別な休日の数"_s;
const QString codePage = u"シフトJIS（CP932）の文字として読めない"_s;
const QString tooManyLines = u"行数が上限の3001行を超えています"_s;
} // namespace reason

// Checks a failed read against what every failure must leave; returns what is wrong.
QString failureProblem(const LoadResult &result, const AppState &state, const KeptSettings &kept,
                       int line, const QString &reasonText) {
    if (result.status != LoadResult::Status::Failed)
        return u"status %1"_s.arg(int(result.status));
    if (result.line != line)
        return u"line %1, expected %2 (%3)"_s.arg(result.line).arg(line).arg(result.message);
    if (!result.message.contains(u"%1行目"_s.arg(line)) || !result.message.contains(reasonText))
        return u"message: "_s + result.message;
    if (!state.strFileName.isEmpty())
        return u"strFileName kept"_s;
    if (state.boolDaySelected != 0)
        return u"boolDaySelected not 0"_s;
    if (const QString fresh = notFreshWeekAndYearData(state); !fresh.isEmpty())
        return fresh;
    if (!(KeptSettings(state) == kept))
        return u"class or holiday settings changed"_s;
    return QString();
}

// A file of `lines` lines: the largest file's 2736 lines, then repeats of its last day groups
// (a file may hold a date twice; the later group wins), then a part of a group.
QByteArray fileOfLines(int lines) {
    QStringList text = writtenLines(sample::largestState());
    const QStringList lastGroups = text.mid(text.size() - 6 * 50);
    if (lastGroups.isEmpty())
        return {}; // the state could not be written: the test fails on the file, not here
    for (int i = 0; text.size() < lines; ++i)
        text += lastGroups[i % lastGroups.size()];
    return cp932File(text);
}

} // namespace

class BrokenFileTest : public QObject {
    Q_OBJECT

  private slots:
    void validFixtureIsWhatTheProgramWrites();
    void brokenFixture_data();
    void brokenFixture();
    void lineLimit_data();
    void lineLimit();
    void failedReadKeepsNothingHalfRead();
};

void BrokenFileTest::validFixtureIsWhatTheProgramWrites() {
    QFile file(dataPath(u"valid_small.zr2"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), encodeDataFile(validSmallState()).bytes);

    AppState state = planInMemory();
    state.strFileName = dataPath(u"valid_small.zr2"_s);
    const LoadResult result = subLoadFile(state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(savedDifference(validSmallState(), state), QString());
}

void BrokenFileTest::brokenFixture_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char *file, int line, const QString &reasonText) {
        QTest::newRow(file) << QString::fromLatin1(file) << line << reasonText;
    };
    row("holiday_february_30.zr2", 6, reason::date);
    row("holiday_month_13.zr2", 8, reason::date);
    row("day_february_29_common_year.zr2", 141, reason::date);
    row("day_zero.zr2", 141, reason::date);
    row("ends_in_holidays.zr2", 21, reason::endsInside);
    row("ends_in_term_plans.zr2", 101, reason::endsInside);
    row("ends_in_day_group.zr2", 144, reason::endsInside);
    row("year_out_of_range.zr2", 2, reason::number);
    row("grade_out_of_range.zr2", 3, reason::number);
    row("hour_field_out_of_range.zr2", 40, reason::number);
    row("holiday_count_201.zr2", 32, reason::specialCount);
    row("holiday_count_negative.zr2", 32, reason::specialCount);
    row("holiday_count_past_end.zr2", 35, reason::date);
    row("teacher_not_cp932.zr2", 5, reason::codePage);
    row("comment_lead_byte_at_end.zr2", 145, reason::codePage);
    row("subjects_bad_trail_byte.zr2", 143, reason::codePage);
}

void BrokenFileTest::brokenFixture() {
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, reason);
    AppState state = planInMemory();
    state.strFileName = dataPath(file);
    state.boolDaySelected = 1;
    const KeptSettings kept(state);

    const LoadResult result = subLoadFile(state);
    QCOMPARE(failureProblem(result, state, kept, line, reason), QString());
}

void BrokenFileTest::lineLimit_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("failedLine"); // 0: loaded
    QTest::addColumn<QString>("reason");
    // 140 + 2 * 200 + 6 * 410 = 3000: the longest whole file the reader holds.
    QTest::newRow("3000 lines") << 3000 << 0 << QString();
    QTest::newRow("3001 lines: the last group begun") << 3001 << 3002 << reason::endsInside;
    QTest::newRow("3002 lines") << 3002 << 3002 << reason::tooManyLines;
    QTest::newRow("3006 lines: one more whole group") << 3006 << 3002 << reason::tooManyLines;
    QTest::newRow("20000 lines") << 20000 << 3002 << reason::tooManyLines;
}

void BrokenFileTest::lineLimit() {
    QFETCH(int, lines);
    QFETCH(int, failedLine);
    QFETCH(QString, reason);
    const QByteArray file = fileOfLines(lines);
    QCOMPARE(file.count("\r\n"), lines);
    AppState state = planInMemory();
    state.strFileName = u"/somewhere/long.zr2"_s;
    const KeptSettings kept(state);

    const LoadResult result = readBytes(file, state);
    if (failedLine == 0) {
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(chainLength(*state.objFirstDay), 366);
        QCOMPARE(state.intSpecialCount, qint16(200));
    } else {
        QCOMPARE(failureProblem(result, state, kept, failedLine, reason), QString());
    }
}

void BrokenFileTest::failedReadKeepsNothingHalfRead() {
    // The file fails in its last day group, after everything else was read: none of it stays.
    QStringList lines = writtenLines(sample::largestState());
    lines[lines.size() - 6] = u" 2"_s;
    lines[lines.size() - 5] = u" 30"_s;
    AppState state = planInMemory();
    const KeptSettings kept(state);
    const LoadResult result = readBytes(cp932File(lines), state);
    QCOMPARE(failureProblem(result, state, kept, 2731, reason::date), QString());
    QVERIFY2(result.message.contains(u"2月30日"_s), qPrintable(result.message));
    QCOMPARE(state.intYear, qint16(2010));
}

QTEST_GUILESS_MAIN(BrokenFileTest)
#include "broken_file_test.moc"
