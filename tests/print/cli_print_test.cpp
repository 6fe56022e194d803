// mirune-cli print end to end: the sheets of the example file into PDF files, exit codes and
// messages for bad command lines and files.

#include "file_bytes.h"
#include "pdf_page_sizes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using mirune::test::pdfPageSizes;
using mirune::test::readBytes;
using mirune::test::writeBytes;

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

// The same through a shell that first limits the size of any file written, the way a nearly
// full disk stops a write; SIGXFSZ is ignored, so the write fails with EFBIG.
Run runCliWithFileSizeLimit(int kilobytes, const QStringList &args) {
    QProcess process;
    process.start(
        u"/bin/sh"_s,
        QStringList{u"-c"_s,
                    u"trap '' XFSZ; ulimit -f %1; exec \"$0\" print \"$@\""_s.arg(kilobytes),
                    QStringLiteral(MIRUNE_CLI_PATH)} +
            args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

const QString kExample = QStringLiteral(MIRUNE_EXAMPLE_PATH);

// The example with late terms: the summer vacation from 21 July to 24 August and the spring
// vacation from 25 March, which gives the year sheet 46 week rows. The vacation bounds are
// lines 10 to 21 of the file, a month and a day each.
QString writeLateTermsFile(const QTemporaryDir &dir) {
    QFile example(kExample);
    if (!example.open(QIODevice::ReadOnly))
        return QString();
    QList<QByteArray> lines = example.readAll().split('\n');
    lines[10] = " 21\r"; // summer vacation from July 21
    lines[12] = " 24\r"; // to August 24
    lines[18] = " 25\r"; // spring vacation from March 25
    const QString path = dir.filePath(u"late.zr2"_s);
    QFile late(path);
    if (!late.open(QIODevice::WriteOnly) || late.write(lines.join('\n')) < 0)
        return QString();
    return path;
}

} // namespace

class CliPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void sheets_data();
    void sheets();
    void fitAndNotices_data();
    void fitAndNotices();
    void usageErrors_data();
    void usageErrors();
    void fileErrors();
    void outputProtection_data();
    void outputProtection();
    void diskFullKeepsThePreviousPdf_data();
    void diskFullKeepsThePreviousPdf();
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
    QTest::newRow("month") << QStringList{u"--sheet"_s, u"month"_s, u"--date"_s, u"2026-12-11"_s}
                           << QStringList{landscape};
    QTest::newRow("all ten") << QStringList{u"--sheet"_s, u"all"_s}
                             << (QStringList(7, landscape) + QStringList(2, portrait) +
                                 QStringList{landscape});
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
    QCOMPARE(pdfPageSizes(out), pages);
}

void CliPrintTest::fitAndNotices_data() {
    QTest::addColumn<bool>("lateTerms");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("notice"); // empty: stderr stays empty
    const QStringList year{u"--sheet"_s, u"year"_s};
    QTest::newRow("example year as laid out") << false << year << u"842x595"_s << QString();
    QTest::newRow("timetable A filling A3")
        << false << QStringList{u"--sheet"_s, u"week-a"_s, u"--paper"_s, u"A3"_s, u"--fit"_s}
        << u"842x1191"_s << QString();
    QTest::newRow("46 rows scaled down, and said")
        << true << year << u"842x595"_s
        << u"mirune-cli print: 「年間の時数集計表」は用紙の印刷範囲に収まらないため、全体を 98% "
           "に縮小しました。\n"_s;
    QTest::newRow("46 rows fitted to B4 as asked")
        << true << (year + QStringList{u"--paper"_s, u"B4"_s, u"--fit"_s}) << u"1032x729"_s
        << QString();
}

void CliPrintTest::fitAndNotices() {
    QFETCH(bool, lateTerms);
    QFETCH(QStringList, options);
    QFETCH(QString, page);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    const QString input = lateTerms ? writeLateTermsFile(dir) : kExample;
    QVERIFY(!input.isEmpty());
    const QString out = dir.filePath(u"sheet.pdf"_s);
    const Run run = runCli(QStringList{input} + options + QStringList{u"-o"_s, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errorText, notice);
    QCOMPARE(pdfPageSizes(out), QStringList{page});
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
    QTest::newRow("month sheet's day not a date")
        << QStringList{kExample,   u"--sheet"_s, u"month"_s,     u"-o"_s,
                       u"x.pdf"_s, u"--date"_s,  u"2026-12-32"_s}
        << u"2026-12-32"_s;
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
    QVERIFY2(run.errorText.contains(u"保存先のフォルダ"_s), qPrintable(run.errorText));
}

void CliPrintTest::outputProtection_data() {
    QTest::addColumn<QString>("output");      // how the output names a file of the test folder
    QTest::addColumn<QByteArray>("previous"); // what the output file holds before
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("message"); // empty: written
    const QByteArray data = readBytes(kExample);
    const QString sameFile = u"と同じです。書き出し先には使えません。"_s;
    const QString notPdf = u"pdf の書き出しで置き換えるファイルではありません。"
                           "置き換えるには --force を指定してください。"_s;
    const QString foreignPdf = u"ミルネ2002 が書き出したPDFではありません。"_s;
    QTest::newRow("the input itself") << u"class.zr2"_s << data << false << sameFile;
    QTest::newRow("the input by another path")
        << u"sub/../class.zr2"_s << data << false << sameFile;
    QTest::newRow("a link to the input") << u"link.zr2"_s << data << false << sameFile;
    QTest::newRow("a hard link to the input") << u"hard.zr2"_s << data << false << sameFile;
    QTest::newRow("the input, forced") << u"class.zr2"_s << data << true << sameFile;
    const QString dataFile =
        u"はデータファイルです。データファイルを PDF で置き換えることはしません。"_s;
    const QString dataFileName = u"はデータファイルの名前（.zr2）です。"_s;
    QTest::newRow("another data file") << u"other.zr2"_s << data << false << dataFileName;
    QTest::newRow("another data file, forced") << u"other.zr2"_s << data << true << dataFileName;
    QTest::newRow("a backup of a data file, forced") << u"class.bak"_s << data << true << dataFile;
    QTest::newRow("a note") << u"notes"_s << QByteArray("notes\n") << false << notPdf;
    QTest::newRow("a note, forced") << u"notes"_s << QByteArray("notes\n") << true << QString();
    QTest::newRow("a text file's name, forced")
        << u"notes.txt"_s << QByteArray("notes\n") << true << u"の名前（.txt）"_s;
    QTest::newRow("an empty file") << u"empty.pdf"_s << QByteArray() << false << QString();
    QTest::newRow("another program's PDF")
        << u"year.pdf"_s << QByteArray("%PDF-1.4\n%%EOF\n") << false << foreignPdf;
    QTest::newRow("another program's PDF, forced")
        << u"year.pdf"_s << QByteArray("%PDF-1.4\n%%EOF\n") << true << QString();
    QTest::newRow("a folder") << u"sub"_s << QByteArray() << false
                              << u"保存先が通常のファイルではありません（フォルダ）。"_s;
    QTest::newRow("a named pipe") << u"pipe.pdf"_s << QByteArray() << true
                                  << u"保存先が通常のファイルではありません（名前付きパイプ）。"_s;
}

void CliPrintTest::outputProtection() {
    QFETCH(QString, output);
    QFETCH(QByteArray, previous);
    QFETCH(bool, force);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString input = dir.filePath(u"class.zr2"_s);
    QVERIFY(QFile::copy(kExample, input));
    QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
    QVERIFY(QFile::link(input, dir.filePath(u"link.zr2"_s)));
    QVERIFY(::link(QFile::encodeName(input).constData(),
                   QFile::encodeName(dir.filePath(u"hard.zr2"_s)).constData()) == 0);
    const QString outputPath = output.startsWith(u'/') ? output : dir.filePath(output);
    if (output == u"pipe.pdf"_s)
        QVERIFY(mkfifo(QFile::encodeName(outputPath).constData(), 0600) == 0);
    else if (!QFile::exists(outputPath))
        QVERIFY(writeBytes(outputPath, previous));
    const QByteArray inputBytes = readBytes(input);

    QStringList args{input, u"--sheet"_s, u"year"_s, u"-o"_s, outputPath};
    if (force)
        args.append(u"--force"_s);
    const Run run = runCli(args);
    QCOMPARE(readBytes(input), inputBytes);
    if (message.isEmpty()) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.errorText));
        QVERIFY(readBytes(outputPath).startsWith("%PDF-"));
        return;
    }
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorText.contains(message), qPrintable(run.errorText));
    QCOMPARE(run.errorText.count(u'\n'), 1);
    if (!output.startsWith(u'/') && output != u"pipe.pdf"_s)
        QCOMPARE(readBytes(outputPath), previous);
}

void CliPrintTest::diskFullKeepsThePreviousPdf_data() {
    QTest::addColumn<bool>("previousFile");
    QTest::addColumn<int>("kilobytes");
    QTest::newRow("replacing, room for 8 KB") << true << 8;
    QTest::newRow("replacing, room for 28 KB") << true << 28;
    QTest::newRow("new file, room for 8 KB") << false << 8;
}

void CliPrintTest::diskFullKeepsThePreviousPdf() {
    QFETCH(bool, previousFile);
    QFETCH(int, kilobytes);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"sheets.pdf"_s);
    // Last week's sheets, as the program wrote them (its name as the PDF's creator).
    static const char kPrevious[] =
        "%PDF-1.4\n1 0 obj\n<<\n/Creator (\xFE\xFF\x30\xDF\x30\xEB\x30\xCD\x00\x32\x00\x30"
        "\x00\x30\x00\x32)\n>>\nendobj\n%%EOF\n";
    const QByteArray previous(kPrevious, sizeof(kPrevious) - 1);
    if (previousFile)
        QVERIFY(writeBytes(out, previous));
    const QStringList args{kExample, u"--sheet"_s, u"all"_s, u"-o"_s, out};

    const Run run = runCliWithFileSizeLimit(kilobytes, args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorText.contains(u"（エラー 27："_s) &&
                 run.errorText.contains(u"以前のファイルはそのまま残っています。"_s) ==
                     previousFile,
             qPrintable(run.errorText));
    if (previousFile)
        QCOMPARE(readBytes(out), previous);
    else
        QVERIFY(!QFile::exists(out));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), previousFile ? 1 : 0);
}

QTEST_GUILESS_MAIN(CliPrintTest)
#include "cli_print_test.moc"
