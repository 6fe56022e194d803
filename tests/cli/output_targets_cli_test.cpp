// The output policy on the command line: summary and school in every report format and print
// into a PDF, told to write to every place of the shared table of targets, with and without
// --force.

#include "cli_run.h"
#include "file_bytes.h"
#include "output_targets.h"
#include "report/report_table.h"
#include "report/workbook_write.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

QString examplePath() {
    return QString::fromUtf8(MIRUNE_EXAMPLE_PATH);
}

// How the start of a file shows the output of a format.
bool holdsOutputOf(const QString &format, const QByteArray &bytes) {
    if (format == u"pdf"_s)
        return bytes.startsWith("%PDF-");
    if (format == u"xlsx"_s)
        return bytes.startsWith("PK\x03\x04");
    if (format == u"csv"_s)
        return bytes.startsWith("\xEF\xBB\xBF");
    if (format == u"json"_s)
        return bytes.startsWith("{\"");
    return bytes.startsWith(u"教科"_s.toUtf8()) || bytes.startsWith(u"年度"_s.toUtf8());
}

} // namespace

class OutputTargetsCliTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void targets_data();
    void targets();

  private:
    QHash<QString, QByteArray> m_own; // each format's output of the example, as the CLI writes it
    QByteArray m_foreignWorkbook;
    QTemporaryDir m_dir;
};

void OutputTargetsCliTest::initTestCase() {
    for (const QString &format : {u"text"_s, u"csv"_s, u"json"_s}) {
        const Run run = cli({u"summary"_s, examplePath(), u"--format"_s, format});
        QCOMPARE(run.exitCode, 0);
        m_own.insert(format, run.rawOut);
    }
    const QString book = m_dir.filePath(u"own.xlsx"_s);
    QCOMPARE(cli({u"summary"_s, examplePath(), u"-o"_s, book}).exitCode, 0);
    m_own.insert(u"xlsx"_s, readBytes(book));
    const QString pdf = m_dir.filePath(u"own.pdf"_s);
    const Run printed = cli({u"print"_s, examplePath(), u"--sheet"_s, u"week-a"_s, u"-o"_s, pdf});
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
    m_own.insert(u"pdf"_s, readBytes(pdf));

    // A workbook of names, made by another hand.
    ReportTable names;
    names.title = u"学級名簿"_s;
    names.headings = {u"番号"_s, u"氏名"_s};
    QString error;
    m_foreignWorkbook = fncWorkbookBytes(names, &error);
    QVERIFY2(!m_foreignWorkbook.isEmpty(), qPrintable(error));
}

void OutputTargetsCliTest::targets_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("force");
    const QList<std::pair<QString, QString>> commands = {
        {u"summary"_s, u"text"_s}, {u"summary"_s, u"csv"_s}, {u"summary"_s, u"json"_s},
        {u"summary"_s, u"xlsx"_s}, {u"school"_s, u"text"_s}, {u"school"_s, u"csv"_s},
        {u"school"_s, u"json"_s},  {u"school"_s, u"xlsx"_s}, {u"print"_s, u"pdf"_s},
    };
    for (const auto &[command, format] : commands) {
        for (const TargetCase &c : kTargetCases) {
#ifndef Q_OS_UNIX
            if (c.linkOnly || c.pipeOnly)
                continue;
#endif
            for (bool force : {false, true})
                QTest::addRow("%s %s: %s%s", qPrintable(command), qPrintable(format), c.name,
                              force ? ", --force" : "")
                    << command << format << int(c.target) << int(c.expected) << force;
        }
    }
}

void OutputTargetsCliTest::targets() {
    QFETCH(QString, command);
    QFETCH(QString, format);
    QFETCH(int, target);
    QFETCH(int, expected);
    QFETCH(bool, force);
    QTemporaryDir dir;
    const TargetFolder folder{dir.path(), dir.filePath(u"class.zr2"_s)};
    const QByteArray classBytes = readBytes(examplePath());
    QVERIFY(writeBytes(folder.input, classBytes));
    const QString out = makeTarget(folder, Target(target), format, classBytes, m_foreignWorkbook,
                                   [this](const QString &f) { return m_own.value(f); });
    QVERIFY(!out.isEmpty());
    const bool wasLink = QFileInfo(out).isSymLink();
    const QStringList before = folderSnapshot(dir.path());

    QStringList args{command, folder.input, u"-o"_s, out};
    if (command == u"print"_s)
        args += {u"--sheet"_s, u"week-a"_s};
    else
        args += {u"--format"_s, format};
    if (force)
        args += u"--force"_s;
    const Run run = cli(args);

    const bool written = Expected(expected) == Expected::Written ||
                         (Expected(expected) == Expected::NeedsConsent && force);
    if (written) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QVERIFY(holdsOutputOf(format, readBytes(landingPlace(out))));
        // A link stays a link: the output went to where it leads.
        QCOMPARE(QFileInfo(out).isSymLink(), wasLink);
        QCOMPARE(readBytes(folder.input), classBytes);
        return;
    }
    QVERIFY2(run.exitCode != 0, qPrintable(run.err));
    QVERIFY2(!run.err.isEmpty(), "a refusal says why");
    if (Expected(expected) == Expected::NeedsConsent)
        QVERIFY2(run.err.contains(u"--force"_s), qPrintable(run.err));
    // Nothing written, nothing left beside it.
    QCOMPARE(folderSnapshot(dir.path()), before);
}

QTEST_GUILESS_MAIN(OutputTargetsCliTest)
#include "output_targets_cli_test.moc"
