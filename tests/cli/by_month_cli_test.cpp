// summary and school by month: the JSON shape, the months adding up to the year's figures of
// summary's own JSON, the day of the pace given, held inside the year or taken from the clock,
// the refusals of options that do not go together, the text and CSV tables, and the school's
// workbook with its month sheet before its usual one.

#include "cli_run.h"
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

// A grade-5 class of 2026: a full plan of the 2002 rows and 70 hours of 外国語, every day
// registered from April to 11 December from the sample week, which has no 外国語.
AppState gradeFive() {
    AppState state = sample::classState(2026, 5, u"1"_s, u"佐藤"_s);
    sample::fillPlans(state);
    HourCounts &term3 = state.objSeasonPlan->terms()[2]->hours;
    term3[F::gaikokugo] = 210;
    term3.deriveTotals();
    state.objSeasonPlan->calculate();
    sample::registerDays(state, QDate(2026, 4, 1), QDate(2026, 12, 11), 13);
    return state;
}

} // namespace

class ByMonthCliTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void summaryJson();
    void dayOfThePace_data();
    void dayOfThePace();
    void refusals_data();
    void refusals();
    void summaryTextAndCsv();
    void schoolJson();
    void schoolWorkbook();

  private:
    QTemporaryDir m_dir;
    QString m_file;   // the grade-5 class
    QString m_school; // a folder: the grade-5 class, a grade-2 class of 2025, a broken file
    AppState m_state;
};

void ByMonthCliTest::initTestCase() {
    m_state = gradeFive();
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
    const Run run = cli({u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--date"_s, u"2026-12-11"_s,
                         u"--format"_s, u"json"_s});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = jsonOf(run);
    QCOMPARE(keysOf(json), (QStringList{u"behind"_s, u"class"_s, u"date"_s, u"due"_s, u"grade"_s,
                                        u"months"_s, u"teacher"_s, u"year"_s}));
    QCOMPARE(json[u"year"_s].toInt(), 2026);
    QCOMPARE(json[u"grade"_s].toInt(), 5);
    QCOMPARE(json[u"class"_s].toString(), u"1"_s);
    QCOMPARE(json[u"teacher"_s].toString(), u"佐藤"_s);
    QCOMPARE(json[u"date"_s].toString(), u"2026-12-11"_s);

    // The field names and units of summary's own JSON; the months add up to its year.
    const QJsonObject year = jsonOf(cli({u"summary"_s, m_file, u"--format"_s, u"json"_s}));
    const QJsonObject yearActual = year[u"actual"_s].toObject();
    const QJsonArray months = json[u"months"_s].toArray();
    QCOMPARE(months.size(), 12);
    const MonthlyPace pace = fncMonthlyPace(m_state, QDate(2026, 12, 11));
    int schoolDays = 0;
    QHash<QString, int> sums;
    for (int i = 0; i < 12; ++i) {
        const QJsonObject month = months[i].toObject();
        QCOMPARE(keysOf(month), (QStringList{u"actual"_s, u"month"_s, u"school_days"_s}));
        QCOMPARE(month[u"month"_s].toString(),
                 pace.totals.months[i].firstDay.toString(u"yyyy-MM"_s));
        QCOMPARE(month[u"school_days"_s].toInt(), pace.totals.months[i].schoolDays);
        schoolDays += month[u"school_days"_s].toInt();
        const QJsonObject actual = month[u"actual"_s].toObject();
        QCOMPARE(keysOf(actual), keysOf(yearActual));
        for (const QString &field : actual.keys())
            sums[field] += actual[field].toInt();
    }
    QCOMPARE(months[0].toObject()[u"month"_s].toString(), u"2026-04"_s);
    QCOMPARE(months[11].toObject()[u"month"_s].toString(), u"2027-03"_s);
    QCOMPARE(months[4].toObject()[u"school_days"_s].toInt(), 0); // August
    QCOMPARE(schoolDays, pace.totals.yearSchoolDays);
    for (const QString &field : yearActual.keys())
        QCOMPARE(sums[field], yearActual[field].toInt());
    QVERIFY(sums[u"kokugo"_s] > 0);

    const QJsonObject due = json[u"due"_s].toObject();
    QCOMPARE(keysOf(due), keysOf(yearActual));
    QCOMPARE(due[u"gaikokugo"_s].toInt(), pace.row(F::gaikokugo).due);
    QVERIFY(due[u"gaikokugo"_s].toInt() > 100);
    // Never taught: behind, and so are the totals it belongs to.
    const QJsonArray behind = json[u"behind"_s].toArray();
    QVERIFY(behind.contains(u"gaikokugo"_s));
    QStringList expected;
    for (HourField f : pace.behindRows())
        expected += QString::fromLatin1(subjectInfo(f).fieldName);
    QCOMPARE(behind.toVariantList().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(behind[i].toString(), expected[i]);
}

void ByMonthCliTest::dayOfThePace_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QDate>("date");
    QTest::newRow("given") << QStringList{u"--date=2026-06-30"_s} << QDate(2026, 6, 30);
    QTest::newRow("after the year: its last day")
        << QStringList{u"--date"_s, u"2027-06-01"_s} << QDate(2027, 3, 31);
    QTest::newRow("before the year: its first day")
        << QStringList{u"--date"_s, u"2025-12-01"_s} << QDate(2026, 4, 1);
    QTest::newRow("not given: the clock's today, held inside the year")
        << QStringList{} << std::clamp(QDate::currentDate(), QDate(2026, 4, 1), QDate(2027, 3, 31));
}

void ByMonthCliTest::dayOfThePace() {
    QFETCH(QStringList, args);
    QFETCH(QDate, date);
    const Run run = cli(
        QStringList{u"summary"_s, m_file, u"--by"_s, u"month"_s, u"--format"_s, u"json"_s} + args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = jsonOf(run);
    QCOMPARE(json[u"date"_s].toString(), date.toString(Qt::ISODate));
    QCOMPARE(json[u"due"_s].toObject()[u"gaikokugo"_s].toInt(),
             fncMonthlyPace(m_state, date).row(F::gaikokugo).due);
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
    const QStringList byMonth{u"summary"_s, m_file,      u"--by"_s,
                              u"month"_s,   u"--date"_s, u"2026-12-11"_s};
    const Run text = cli(byMonth);
    QVERIFY2(text.exitCode == 0, qPrintable(text.err));
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    const QStringList headings = lines.first().split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(headings.mid(0, 3), (QStringList{u"教科"_s, u"4月"_s, u"5月"_s}));
    QCOMPARE(headings.last(), u"状況"_s);
    QVERIFY(lines[1].startsWith(u"授業日数"_s));
    bool english = false;
    for (const QString &line : lines)
        if (line.startsWith(u"外国語 "_s))
            english = line.endsWith(u"遅れ"_s) && line.contains(u" 70.0 "_s);
    QVERIFY2(english, qPrintable(text.out));

    const Run csv = cli(byMonth + QStringList{u"--format"_s, u"csv"_s});
    QVERIFY2(csv.exitCode == 0, qPrintable(csv.err));
    QVERIFY(csv.rawOut.startsWith("\xEF\xBB\xBF"));
    // The H.R columns, then the same figures in lesson hours for totalling.
    QVERIFY(csv.out.contains(u"教科,4月,5月,6月,7月,8月,9月,10月,11月,12月,1月,2月,3月,年間･実績,"
                             "年間･計画,今日までの計画,増減,状況,4月（時間）,"_s));
    QVERIFY(csv.out.contains(u",年間･実績（時間）,年間･計画（時間）,今日までの計画（時間）,"
                             "増減（時間）\r\n"_s));
}

void ByMonthCliTest::schoolJson() {
    const Run run = cli({u"school"_s, m_school, u"--by"_s, u"month"_s, u"--date"_s, u"2026-12-11"_s,
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
    // Each class's day inside its own school year.
    QCOMPARE(classes[0].toObject()[u"date"_s].toString(), u"2026-03-31"_s);
    QCOMPARE(classes[1].toObject()[u"date"_s].toString(), u"2026-12-11"_s);
    QVERIFY(classes[1].toObject()[u"behind"_s].toArray().contains(u"gaikokugo"_s));

    // Without --by month the classes are as they were.
    const QJsonObject plain = jsonOf(cli({u"school"_s, m_school, u"--format"_s, u"json"_s}));
    QVERIFY(!plain[u"classes"_s].toArray()[0].toObject().contains(u"months"_s));
}

void ByMonthCliTest::schoolWorkbook() {
    const QString out = m_dir.filePath(u"school.xlsx"_s);
    const Run run = cli({u"school"_s, m_school, u"--by"_s, u"month"_s, u"--date"_s, u"2026-12-11"_s,
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
