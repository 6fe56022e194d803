// The records office's commands: summary's CSV as bytes and its workbook, and school over a
// folder of class files with a broken file and a duplicate among them.

#include "cli_run.h"
#include "sample_states.h"
#include "storage/data_file.h"

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

QString examplePath() {
    return QString::fromUtf8(MIRUNE_EXAMPLE_PATH);
}

QByteArray readBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class ReportCliTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void summaryCsvFileBytes();
    void refusals_data();
    void refusals();
    void summaryWorkbook();
    void schoolJson();
    void schoolText();

  private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString m_school; // a folder: the example twice, another class, a broken file
};

void ReportCliTest::initTestCase() {
    m_school = path(u"school"_s);
    QVERIFY(QDir().mkpath(m_school));
    const QByteArray example = readBytes(examplePath());
    QVERIFY(!example.isEmpty());
    QVERIFY(writeBytes(m_school + u"/3-1.zr2"_s, example));
    QVERIFY(writeBytes(m_school + u"/3-1 copy.zr2"_s, example));
    QVERIFY(writeBytes(m_school + u"/broken.zr2"_s, "garbage\r\n"));
    AppState other = sample::classState(2026, 1, u"2"_s, u"佐藤"_s);
    sample::fillPlans(other);
    other.strFileName = m_school + u"/1-2.zr2"_s;
    QVERIFY(subSaveFile(other).ok());
}

void ReportCliTest::summaryCsvFileBytes() {
    const QString out = path(u"summary.csv"_s);
    const Run run = cli({u"summary"_s, examplePath(), u"--format=csv"_s, u"-o"_s, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString()); // all of it went to the file
    const QByteArray bytes = readBytes(out);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    // A heading and 22 rows: grade 3 of 2026 shows 外国語活動 but not 外国語.
    QCOMPARE(bytes.count("\r\n"), 23);
    // The same bytes as on standard output.
    const Run toStdout = cli({u"summary"_s, examplePath(), u"--format=csv"_s});
    QCOMPARE(toStdout.rawOut, bytes);
}

void ReportCliTest::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("xlsx without -o")
        << QStringList{u"summary"_s, examplePath(), u"--format=xlsx"_s} << 2 << u"-o OUT.xlsx"_s;
    QTest::newRow("school xlsx without -o")
        << QStringList{u"school"_s, examplePath(), u"--format=xlsx"_s} << 2 << u"-o OUT.xlsx"_s;
    QTest::newRow("unknown format")
        << QStringList{u"school"_s, examplePath(), u"--format=ods"_s} << 2 << u"xlsx"_s;
    QTest::newRow("bad term") << QStringList{u"school"_s, examplePath(), u"--term=0"_s} << 2
                              << u"--term"_s;
    QTest::newRow("school without paths") << QStringList{u"school"_s} << 2 << u"PATH"_s;
    QTest::newRow("output over the data file")
        << QStringList{u"summary"_s, examplePath(), u"--format=csv"_s, u"-o"_s, examplePath()} << 1
        << u"書き出し先には使えません"_s;
}

void ReportCliTest::refusals() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QByteArray before = readBytes(examplePath());
    const Run run = cli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(readBytes(examplePath()), before);
}

void ReportCliTest::summaryWorkbook() {
    const QString out = path(u"summary.xlsx"_s);
    QVERIFY(writeBytes(out, "an older file"));
    const Run run =
        cli({u"summary"_s, examplePath(), u"--term=2"_s, u"--format=xlsx"_s, u"-o"_s, out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QByteArray bytes = readBytes(out);
    QVERIFY(bytes.startsWith("PK\x03\x04"));
    // No temporary file left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({u"summary.xlsx*"_s}, QDir::Files | QDir::Hidden),
             QStringList{u"summary.xlsx"_s});
}

void ReportCliTest::schoolJson() {
    const Run run = cli({u"school"_s, m_school, u"--format=json"_s});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"broken.zr2"_s), qPrintable(run.err));
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);

    const QJsonArray classes = root[u"classes"_s].toArray();
    QCOMPARE(classes.size(), 3);
    const QJsonObject first = classes[0].toObject();
    QCOMPARE(first[u"grade"_s].toInt(), 1);
    QCOMPARE(first[u"class"_s].toString(), u"2"_s);
    QCOMPARE(first[u"teacher"_s].toString(), u"佐藤"_s);
    QCOMPARE(first[u"duplicate"_s].toBool(), false);
    for (int i : {1, 2}) {
        const QJsonObject one = classes[i].toObject();
        QCOMPARE(one[u"year"_s].toInt(), 2026);
        QCOMPARE(one[u"grade"_s].toInt(), 3);
        QCOMPARE(one[u"duplicate"_s].toBool(), true);
    }
    QCOMPARE(QFileInfo(classes[1].toObject()[u"file"_s].toString()).fileName(), u"3-1 copy.zr2"_s);

    // The same figures, under the same names, as summary --format json gives for the file.
    const Run summary = cli({u"summary"_s, examplePath(), u"--format=json"_s});
    const QJsonObject own = QJsonDocument::fromJson(summary.out.toUtf8()).object();
    QCOMPARE(classes[2].toObject()[u"plan"_s].toObject(), own[u"plan"_s].toObject());
    QCOMPARE(classes[2].toObject()[u"actual"_s].toObject(), own[u"actual"_s].toObject());

    const QJsonArray failed = root[u"failed"_s].toArray();
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed[0].toObject()[u"file"_s].toString().endsWith(u"broken.zr2"_s));
    QVERIFY(!failed[0].toObject()[u"error"_s].toString().isEmpty());
}

void ReportCliTest::schoolText() {
    const Run run =
        cli({u"school"_s, m_school + u"/3-1.zr2"_s, m_school + u"/1-2.zr2"_s, u"--term"_s, u"1"_s});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines[0].split(u' ', Qt::SkipEmptyParts),
             (QStringList{u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s, u"教科"_s, u"計画"_s, u"実績"_s,
                          u"増減"_s, u"実施率"_s, u"重複"_s, u"ファイル"_s}));
    // Class 1-2 first; a plan of 0 shows the dash, never a division by zero.
    QCOMPARE(lines[1].split(u' ', Qt::SkipEmptyParts).mid(0, 4),
             (QStringList{u"2026"_s, u"1"_s, u"2"_s, u"佐藤"_s}));
    QVERIFY(run.out.contains(u"—"_s));
    // Two different classes: no duplicate mark below the headings.
    for (const QString &line : lines.mid(1))
        QVERIFY2(!line.contains(u"重複"_s), qPrintable(line));
}

QTEST_GUILESS_MAIN(ReportCliTest)
#include "report_cli_test.moc"
