// mirune-cli print end to end: the sheets of the example file into PDF files, exit codes and
// messages for bad command lines and files.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString errorText;
};

Run runCli(const QStringList &args) {
    QProcess process;
    process.start(QStringLiteral(MIRUNE_CLI_PATH), QStringList{u"print"_s} + args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// Page sizes of a PDF in points, "WxH" rounded, in page order.
QStringList pageSizes(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression mediaBox(
        u"/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"_s);
    QStringList sizes;
    for (auto it = mediaBox.globalMatch(QString::fromLatin1(f.readAll())); it.hasNext();) {
        const auto m = it.next();
        sizes +=
            u"%1x%2"_s.arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()));
    }
    return sizes;
}

const QString kExample = QStringLiteral(MIRUNE_EXAMPLE_PATH);

} // namespace

class CliPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void sheets_data();
    void sheets();
    void usageErrors_data();
    void usageErrors();
    void fileErrors();
};

void CliPrintTest::sheets_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("pages");
    const QString landscape = u"842x595"_s;
    const QString portrait = u"595x842"_s;
    QTest::newRow("year") << QStringList{u"--sheet"_s, u"year"_s} << QStringList{landscape};
    QTest::newRow("term 2 chart") << QStringList{u"--sheet"_s, u"term2-chart"_s}
                                  << QStringList{landscape};
    QTest::newRow("timetable B") << QStringList{u"--sheet=week-b"_s} << QStringList{portrait};
    QTest::newRow("all nine") << QStringList{u"--sheet"_s, u"all"_s}
                              << (QStringList(7, landscape) + QStringList(2, portrait));
    QTest::newRow("on A3") << QStringList{u"--sheet"_s, u"term1-total"_s, u"--paper"_s, u"A3"_s}
                           << QStringList{u"1191x842"_s};
}

void CliPrintTest::sheets() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, pages);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"sheet.pdf"_s);
    const Run run = runCli(QStringList{kExample} + options + QStringList{u"-o"_s, out});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errorText));
    QCOMPARE(pageSizes(out), pages);
}

void CliPrintTest::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no sheet") << QStringList{kExample, u"-o"_s, u"x.pdf"_s} << u"--sheet"_s;
    QTest::newRow("unknown sheet")
        << QStringList{kExample, u"--sheet"_s, u"term4-chart"_s, u"-o"_s, u"x.pdf"_s}
        << u"term4-chart"_s;
    QTest::newRow("no output") << QStringList{kExample, u"--sheet"_s, u"year"_s} << u"-o"_s;
    QTest::newRow("unknown paper") << QStringList{kExample,   u"--sheet"_s, u"year"_s,  u"-o"_s,
                                                  u"x.pdf"_s, u"--paper"_s, u"Letter"_s}
                                   << u"--paper"_s;
    QTest::newRow("no file") << QStringList{u"--sheet"_s, u"year"_s, u"-o"_s, u"x.pdf"_s}
                             << u"FILE"_s;
    QTest::newRow("unknown option")
        << QStringList{kExample, u"--sheet"_s, u"year"_s, u"-o"_s, u"x.pdf"_s, u"--colour"_s}
        << u"--colour"_s;
}

void CliPrintTest::usageErrors() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errorText.contains(message), qPrintable(run.errorText));
    QVERIFY(!QFile::exists(u"x.pdf"_s));
}

void CliPrintTest::fileErrors() {
    QTemporaryDir dir;
    // A data file that cannot be read.
    Run run = runCli({dir.filePath(u"missing.zr2"_s), u"--sheet"_s, u"year"_s, u"-o"_s,
                      dir.filePath(u"a.pdf"_s)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!QFile::exists(dir.filePath(u"a.pdf"_s)));
    // An output that cannot be written.
    const QString out = dir.filePath(u"no/such/folder/b.pdf"_s);
    run = runCli({kExample, u"--sheet"_s, u"year"_s, u"-o"_s, out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorText.contains(out), qPrintable(run.errorText));
}

QTEST_GUILESS_MAIN(CliPrintTest)
#include "cli_print_test.moc"
