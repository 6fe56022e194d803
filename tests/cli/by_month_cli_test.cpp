// summary and school by month: the JSON shape, the months adding up to the year's figures of
// summary's own JSON, the day of the pace given, held inside the year or taken from the clock,
// the refusals of options that do not go together, the text and CSV tables, and the school's
// workbook with its month sheet before its usual one.

#include "cli_run.h"
#include "hand_worked_year.h"
#include "model/hours_pace.h"
#include "sample_states.h"
#include "storage/data_file.h"
#include "xlsx_reader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using F = HourField;

QJsonObject jsonOf(const Run &run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QStringList keysOf(const QJsonObject &object) {
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

namespace hw = mirune::test::hand_worked;

// The day of the hand-worked pace, as --date takes it.
const QString kPaceDay = u"2026-04-15"_s;

} // namespace

class ByMonthCliTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void summaryJson();
    void dayOfThePace_data();
    void dayOfThePace();
    void dayFromTheClock();
    void refusals_data();
    void refusals();
    void summaryTextAndCsv();
    void schoolJson();
    void schoolWorkbook();

  private:
    QTemporaryDir m_dir;
    QString m_file;   // the class of the hand-worked year
    QString m_school; // a folder: the grade-5 class, a grade-2 class of 2025, a broken file
    AppState m_state;
};

void ByMonthCliTest::initTestCase() {
    m_state = hw::state();
    m_school = m_dir.filePath(u"school"_s);
    QVERIFY(QDir().mkpath(m_school));
    m_file = m_school + u"/5-1.zr2"_s;
    m_state.strFileName = m_file;
    QVERIFY(subSaveFile(m_state).ok());
    AppState other = sample::classState(2025, 2, u"3"_s);
    sample::fillPlans(other);
    sample::registerDays(other, QDate(2025, 4, 1), QDate(2026, 3, 31));
    other.strFileName = m_school + u"/2-3.zr2"_s;
    QVERIFY(subSaveFile(other).ok());
    QFile broken(m_school + u"/broken.zr2"_s);
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a data file\r\n") > 0);
}

void ByMonthCliTest::summaryJson() {
    const Run run = cli({u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--date"_s, kPaceDay,
                         u"--format"_s, u"json"_s});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = jsonOf(run);
    QCOMPARE(keysOf(json), (QStringList{u"behind"_s, u"class"_s, u"date"_s, u"due"_s, u"grade"_s,
                                        u"months"_s, u"teacher"_s, u"year"_s}));
    QCOMPARE(json[u"year"_s].toInt(), 2026);
    QCOMPARE(json[u"grade"_s].toInt(), 5);
    QCOMPARE(json[u"class"_s].toString(), u"1"_s);
    QCOMPARE(json[u"teacher"_s].toString(), u"佐藤"_s);
    QCOMPARE(json[u"date"_s].toString(), kPaceDay);

    // The months as worked out by hand, with the field names of summary's own JSON.
    const QJsonObject year = jsonOf(cli({u"summary"_s, m_file, u"--format"_s, u"json"_s}));
    const QStringList fields = keysOf(year[u"actual"_s].toObject());
    const QJsonArray months = json[u"months"_s].toArray();
    QCOMPARE(months.size(), 12);
    for (int i = 0; i < 12; ++i) {
        const QJsonObject month = months[i].toObject();
        QCOMPARE(keysOf(month), (QStringList{u"actual"_s, u"month"_s, u"school_days"_s}));
        QCOMPARE(month[u"month"_s].toString(),
                 u"%1-%2"_s.arg(i < 9 ? 2026 : 2027).arg((i + 3) % 12 + 1, 2, 10, QChar(u'0')));
        QCOMPARE(month[u"school_days"_s].toInt(), hw::kMonthSchoolDays[std::size_t(i)]);
        const QJsonObject actual = month[u"actual"_s].toObject();
        QCOMPARE(keysOf(actual), fields);
        for (HourField f : displayOrder())
            QCOMPARE(actual[QString::fromLatin1(subjectInfo(f).fieldName)].toInt(),
                     hw::monthUnits(i, f));
    }
    // The plan due by 15 April, each subtotal the sum of its rows; 外国語 alone behind.
    const QJsonObject due = json[u"due"_s].toObject();
    QCOMPARE(keysOf(due), fields);
    for (const hw::PaceCase &c : hw::kPaceCases)
        QCOMPARE(due[QString::fromLatin1(subjectInfo(c.field).fieldName)].toInt(), c.dueUnits);
    QCOMPARE(json[u"behind"_s].toArray(), QJsonArray{u"gaikokugo"_s});
}

// The day the pace is taken on, and the figures of that day: held to the first day before the
// year and to the day after its last after it.
void ByMonthCliTest::dayOfThePace_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("kokugoDue");
    for (const hw::PaceDay &day : hw::kPaceDays)
        QTest::newRow(day.name) << day.asked.toString(Qt::ISODate) << day.date.toString(Qt::ISODate)
                                << day.kokugoDue;
}

void ByMonthCliTest::dayOfThePace() {
    QFETCH(QString, asked);
    QFETCH(QString, date);
    QFETCH(int, kokugoDue);
    const Run run = cli({u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--format"_s, u"json"_s,
                         u"--date"_s, asked});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = jsonOf(run);
    QCOMPARE(json[u"date"_s].toString(), date);
    QCOMPARE(json[u"due"_s].toObject()[u"kokugo"_s].toInt(), kokugoDue);
    // Asked for the day it names, the figures are the same.
    const Run again = cli(
        {u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--format"_s, u"json"_s, u"--date"_s, date});
    QCOMPARE(jsonOf(again)[u"due"_s].toObject(), json[u"due"_s].toObject());
}

void ByMonthCliTest::dayFromTheClock() {
    const Run run = cli({u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--format"_s, u"json"_s});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(jsonOf(run)[u"date"_s].toString(),
             std::clamp(QDate::currentDate(), QDate(2026, 4, 1), QDate(2027, 4, 1))
                 .toString(Qt::ISODate));
}

void ByMonthCliTest::refusals_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("by week") << u"summary"_s << QStringList{u"--by"_s, u"week"_s} << u"--by"_s;
    QTest::newRow("date alone") << u"summary"_s << QStringList{u"--date"_s, u"2026-12-11"_s}
                                << u"--by month"_s;
    QTest::newRow("not a date") << u"summary"_s
                                << QStringList{u"--by"_s, u"month"_s, u"--date"_s, u"2026-13-01"_s}
                                << u"2026-13-01"_s;
    QTest::newRow("date not written out")
        << u"summary"_s << QStringList{u"--by"_s, u"month"_s, u"--date"_s, u"2026-1-5"_s}
        << u"YYYY-MM-DD"_s;
    QTest::newRow("with a term") << u"summary"_s
                                 << QStringList{u"--by"_s, u"month"_s, u"--term"_s, u"2"_s}
                                 << u"--term"_s;
    QTest::newRow("school with a term")
        << u"school"_s << QStringList{u"--by"_s, u"month"_s, u"--term"_s, u"1"_s} << u"--term"_s;
}

void ByMonthCliTest::refusals() {
    QFETCH(QString, command);
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run run = cli(QStringList{command, m_file} + args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void ByMonthCliTest::summaryTextAndCsv() {
    const QStringList byMonth{u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--date"_s, kPaceDay};
    const Run text = cli(byMonth);
    QVERIFY2(text.exitCode == 0, qPrintable(text.err));
    // The table's title, then the class and the day the pace is of, then the table.
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines[0], u"月別時数表"_s);
    QVERIFY2(lines[1].startsWith(u"2026年　5年1組"_s) && lines[1].endsWith(u"基準日：2026-04-15"_s),
             qPrintable(lines[1]));
    const QStringList headings = lines[2].split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(headings.mid(0, 3), (QStringList{u"教科"_s, u"4月"_s, u"5月"_s}));
    QCOMPARE(headings.last(), u"状況"_s);
    QVERIFY(lines[3].startsWith(u"授業日数"_s));
    bool english = false;
    for (const QString &line : lines)
        if (line.startsWith(u"外国語 "_s))
            english = line.split(u' ', Qt::SkipEmptyParts).mid(13) ==
                      QStringList{u"0.0"_s, u"70.0"_s, u"2.2"_s, u"-2.2"_s, u"遅れ"_s};
    QVERIFY2(english, qPrintable(text.out));

    const Run csv = cli(byMonth + QStringList{u"--format"_s, u"csv"_s});
    QVERIFY2(csv.exitCode == 0, qPrintable(csv.err));
    QVERIFY(csv.rawOut.startsWith("\xEF\xBB\xBF"));
    // Every row names the class and the day, as a school's months do; the H.R columns, then the
    // same figures in lesson hours for totalling; as many fields in every row.
    const QStringList rows =
        QString::fromUtf8(csv.rawOut.mid(3)).split(u"\r\n"_s, Qt::SkipEmptyParts);
    QCOMPARE(rows[0], u"年度,学年,組,担任,教科,4月,5月,6月,7月,8月,9月,10月,11月,12月,1月,2月,3月,"
                      "年間･実績,年間･計画,今日までの計画,増減,状況,基準日,重複,ファイル,"
                      "4月（時間）,5月（時間）,6月（時間）,7月（時間）,8月（時間）,9月（時間）,"
                      "10月（時間）,11月（時間）,12月（時間）,1月（時間）,2月（時間）,3月（時間）,"
                      "年間･実績（時間）,年間･計画（時間）,今日までの計画（時間）,増減（時間）"_s);
    QCOMPARE(rows.size(), 1 + 1 + 22);
    for (const QString &row : rows)
        QVERIFY2(row.count(u',') == rows[0].count(u','), qPrintable(row));
    QVERIFY2(rows[1].startsWith(u"2026,5,1,佐藤,授業日数,18,18,21,13,0,19,21,19,18,15,18,14,194,,"
                                "7,,,2026-04-15,,"_s),
             qPrintable(rows[1]));
}

void ByMonthCliTest::schoolJson() {
    const Run run = cli({u"school"_s, m_school, u"--by"_s, u"month"_s, u"--date"_s, kPaceDay,
                         u"--format"_s, u"json"_s});
    // The broken file is reported and the others summarised.
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(u"broken.zr2"_s));
    const QJsonObject json = jsonOf(run);
    const QJsonArray classes = json[u"classes"_s].toArray();
    QCOMPARE(classes.size(), 2);
    QCOMPARE(json[u"failed"_s].toArray().size(), 1);
    for (const QJsonValue &value : classes) {
        const QJsonObject one = value.toObject();
        QCOMPARE(keysOf(one), (QStringList{u"actual"_s, u"behind"_s, u"class"_s, u"date"_s,
                                           u"due"_s, u"duplicate"_s, u"file"_s, u"grade"_s,
                                           u"months"_s, u"plan"_s, u"teacher"_s, u"year"_s}));
        QCOMPARE(one[u"months"_s].toArray().size(), 12);
    }
    // Each class's day held to its own school year: the day after the year of 2025.
    QCOMPARE(classes[0].toObject()[u"date"_s].toString(), u"2026-04-01"_s);
    QCOMPARE(classes[1].toObject()[u"date"_s].toString(), kPaceDay);
    QVERIFY(classes[1].toObject()[u"behind"_s].toArray().contains(u"gaikokugo"_s));

    // Without --by month the classes are as they were.
    const QJsonObject plain = jsonOf(cli({u"school"_s, m_school, u"--format"_s, u"json"_s}));
    QVERIFY(!plain[u"classes"_s].toArray()[0].toObject().contains(u"months"_s));
}

void ByMonthCliTest::schoolWorkbook() {
    const QString out = m_dir.filePath(u"school.xlsx"_s);
    const Run run = cli({u"school"_s, m_school, u"--by"_s, u"month"_s, u"--date"_s, kPaceDay,
                         u"--format"_s, u"xlsx"_s, u"-o"_s, out});
    QCOMPARE(run.exitCode, 1); // the broken file
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const mirune::test::Workbook months = mirune::test::readWorkbook(bytes);
    QCOMPARE(months.text(u"A1"_s), u"学校の月別時数"_s);
    QCOMPARE(months.text(u"A5"_s), u"2025"_s);
    QCOMPARE(months.text(u"E5"_s), u"授業日数"_s);
    const mirune::test::Workbook usual = mirune::test::readWorkbook(bytes, 2);
    QCOMPARE(usual.text(u"A1"_s), u"学校の時数集計　年間"_s);
    QCOMPARE(usual.text(u"A5"_s), u"2025"_s);
}

QTEST_GUILESS_MAIN(ByMonthCliTest)
#include "by_month_cli_test.moc"
