// The command-line tool as scripts use it: exit codes, outputs, and the files it writes.

#include "cli_run.h"
#include "file_bytes.h"
#include "model/hour_fields.h"
#include "storage/data_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using mirune::test::readBytes;

// Runs the tool through a shell that first points its standard output elsewhere.
Run cliWithStdout(const QString &redirection, const QStringList &args) {
    QProcess process;
    process.start(u"/bin/sh"_s, QStringList{u"-c"_s, u"exec %1 \"$0\" \"$@\""_s.arg(redirection),
                                            QString::fromUtf8(MIRUNE_CLI_PATH)} +
                                    args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString(), QString::fromUtf8(process.readAllStandardError()), {}};
}

bool hasJapanese(const QString &text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3000)
            return true;
    return false;
}

QString examplePath() {
    return QString::fromUtf8(MIRUNE_EXAMPLE_PATH);
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

  private slots:
    void exitCodes_data();
    void exitCodes();
    void newWritesTheClassPagePlan();
    void newRefusesToReplaceWithoutForce();
    void infoShowsTheClassLineAndCounts();
    void schooldaysCountsAndList();
    void summaryFormatsAgree();
    void summaryJsonHasEveryField();
    void resaveIsByteIdentical();
    void unreadableFileReportsTheLine();
    void helpIsJapanese();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void oneMessageLineForAnyInput_data();
    void oneMessageLineForAnyInput();

  private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void CliTest::exitCodes_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("help") << QStringList{u"--help"_s} << 0;
    QTest::newRow("command help") << QStringList{u"summary"_s, u"--help"_s} << 0;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2;
    QTest::newRow("unknown option") << QStringList{u"info"_s, examplePath(), u"--x"_s} << 2;
    QTest::newRow("missing file argument") << QStringList{u"info"_s} << 2;
    QTest::newRow("missing file") << QStringList{u"info"_s, u"/nonexistent/a.zr2"_s} << 1;
    QTest::newRow("bad term") << QStringList{u"summary"_s, examplePath(), u"--term"_s, u"4"_s} << 2;
    QTest::newRow("bad format") << QStringList{u"summary"_s, examplePath(), u"--format=xml"_s} << 2;
    QTest::newRow("new without year") << QStringList{u"new"_s, u"/tmp/x.zr2"_s} << 2;
    QTest::newRow("new with grade 7")
        << QStringList{u"new"_s, u"/tmp/x.zr2"_s, u"--year"_s, u"2026"_s, u"--grade"_s, u"7"_s}
        << 2;
    QTest::newRow("new into a missing folder")
        << QStringList{u"new"_s, u"/nonexistent/x.zr2"_s, u"--year"_s, u"2026"_s} << 1;
    QTest::newRow("resave missing output") << QStringList{u"resave"_s, examplePath()} << 2;
}

void CliTest::exitCodes() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const Run run = cli(args);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0)
        QVERIFY2(hasJapanese(run.err),
                 qPrintable(u"a failure says why on stderr, in Japanese: "_s + run.err));
}

void CliTest::newWritesTheClassPagePlan() {
    const QString file = path(u"new.zr2"_s);
    const Run run = cli({u"new"_s, file, u"--year"_s, u"2004"_s, u"--grade"_s, u"3"_s, u"--class"_s,
                         u"1"_s, u"--teacher"_s, u"山田"_s});
    QCOMPARE(run.exitCode, 0);

    const QByteArray bytes = readBytes(file);
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    QCOMPARE(lines.size(), 140 + 2 * 14); // no registered days, 14 national holidays
    auto line = [&](int n) { return lines[n - 1].chopped(1); }; // without the CR
    QCOMPARE(line(2), QByteArray(" 2004"));
    QCOMPARE(line(3), QByteArray(" 3"));
    QCOMPARE(line(4), QByteArray("1"));
    // The day boxes' initial texts: 4 April, 20 July, 31 August, 25 December, 7 January,
    // 19 March, 23 September, 20 March.
    const QList<QByteArray> holidays = {" 4",  " 1",  " 4",  " 4",  " 7", " 20", " 8", " 31",
                                        " 12", " 25", " 1",  " 7",  " 3", " 19", " 3", " 31",
                                        " 9",  " 23", " 10", " 11", " 1", " 10", " 3", " 20"};
    for (int i = 0; i < holidays.size(); ++i)
        QCOMPARE(line(6 + i), holidays[i]);
    QCOMPARE(line(30), QByteArray("False"));
    QCOMPARE(line(31), QByteArray("True"));
    QCOMPARE(line(32), QByteArray(" 14"));
    QCOMPARE(line(41), QByteArray(" 7")); // third Monday of July 2004: the 19th
    QCOMPARE(line(42), QByteArray(" 19"));
    QCOMPARE(line(61), QByteArray(" 12")); // the spare slot holds the zero date
    QCOMPARE(line(62), QByteArray(" 30"));
    QCOMPARE(line(63), QByteArray(" 0 "));
}

void CliTest::newRefusesToReplaceWithoutForce() {
    const QString file = path(u"existing.zr2"_s);
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    QCOMPARE(cli({u"new"_s, file, u"--year"_s, u"2026"_s}).exitCode, 1);
    QCOMPARE(readBytes(file), QByteArray("keep me"));
    QCOMPARE(cli({u"new"_s, file, u"--year"_s, u"2026"_s, u"--force"_s}).exitCode, 0);
    QVERIFY(readBytes(file).startsWith("\x83\x67\x83\x8f\x83\x89\r\n")); // トワラ in CP932
}

void CliTest::infoShowsTheClassLineAndCounts() {
    const Run run = cli({u"info"_s, examplePath()});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], u"2026年　3年1組　　担任：山田　花子"_s);
    QCOMPARE(lines[1], u"special holidays: 17"_s);
    QCOMPARE(lines[3], u"withdrawn days: 1"_s);

    const QString empty = path(u"empty-class.zr2"_s);
    QCOMPARE(cli({u"new"_s, empty, u"--year"_s, u"2004"_s, u"--grade"_s, u"3"_s}).exitCode, 0);
    QCOMPARE(cli({u"info"_s, empty}).out.section(u'\n', 0, 0), u"2004年　3年組　　担任："_s);
}

void CliTest::schooldaysCountsAndList() {
    const Run counts = cli({u"schooldays"_s, examplePath()});
    QCOMPARE(counts.exitCode, 0);
    const QStringList lines = counts.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith(u"１学期の授業日数　"_s));
    QVERIFY(lines[3].startsWith(u"年間の授業日数　"_s));
    auto days = [](const QString &caption) { return caption.section(u'　', 1).chopped(1).toInt(); };
    QCOMPARE(days(lines[0]) + days(lines[1]) + days(lines[2]), days(lines[3]));

    const Run list = cli({u"schooldays"_s, examplePath(), u"--list"_s});
    QCOMPARE(list.exitCode, 0);
    const QStringList dates = list.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(dates.size(), 365); // 1 April 2026 to 31 March 2027
    QCOMPARE(dates.first(), u"2026-04-01 holiday"_s);
    QCOMPARE(dates.last(), u"2027-03-31 holiday"_s);
    QVERIFY(dates.contains(u"2026-04-06 school"_s));  // the first Monday after the spring break
    QVERIFY(dates.contains(u"2026-06-01 holiday"_s)); // a holiday the teacher added
    int school = 0;
    for (const QString &d : dates)
        school += d.endsWith(u" school"_s);
    QCOMPARE(school, days(lines[3]));
}

void CliTest::summaryFormatsAgree() {
    const Run text = cli({u"summary"_s, examplePath()});
    const Run csv = cli({u"summary"_s, examplePath(), u"--format"_s, u"csv"_s});
    QCOMPARE(text.exitCode, 0);
    QCOMPARE(csv.exitCode, 0);
    // CSV for Excel: a byte-order mark, CR LF line ends.
    QVERIFY(csv.rawOut.startsWith("\xEF\xBB\xBF"));
    const QStringList csvLines =
        QString::fromUtf8(csv.rawOut.mid(3)).split(u"\r\n"_s, Qt::SkipEmptyParts);
    // A grade 3 of 2026 has standard hours of 外国語活動, not of 外国語: 22 rows and a heading.
    QCOMPARE(csvLines.size(), 23);
    // The window's columns, then lesson hours for totalling, as the workbook has them.
    QCOMPARE(csvLines[0], u"教科,学期･計画,学期･実績,学期･増減,年間･計画,年間･実績,年間･増減,"
                          "学期･実施率,年間･実施率,学期･計画（時間）,学期･実績（時間）,"
                          "学期･増減（時間）,年間･計画（時間）,年間･実績（時間）,"
                          "年間･増減（時間）"_s);
    QCOMPARE(csvLines[5], u"生活,0.0,0.0,0.0,0.0,0.0,0.0,—,—,0,0,0,0,0,0"_s);
    QCOMPARE(csvLines[13], u"外国語活動,0.0,0.0,0.0,0.0,0.0,0.0,—,—,0,0,0,0,0,0"_s);
    QCOMPARE(csvLines[15], u"ｸﾗﾌﾞ,1.0,1.0,0.0,3.0,1.0,-2.0,100.0%,33.3%,1,1,0,3,1,-2"_s);
    QVERIFY(!csv.out.contains(u"\n外国語,"_s));
    const QStringList textLines = text.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(textLines.size(), 23);
    for (int i = 0; i < 23; ++i)
        QCOMPARE(textLines[i].split(u' ', Qt::SkipEmptyParts), csvLines[i].split(u',').mid(0, 9));
}

void CliTest::summaryJsonHasEveryField() {
    const Run run = cli({u"summary"_s, examplePath(), u"--format"_s, u"json"_s});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(root[u"year"_s].toInt(), 2026);
    QCOMPARE(root[u"grade"_s].toInt(), 3);
    QCOMPARE(root[u"class"_s].toString(), u"1"_s);
    QCOMPARE(root[u"teacher"_s].toString(), u"山田　花子"_s);
    const QJsonArray terms = root[u"terms"_s].toArray();
    QCOMPARE(terms.size(), 3);
    const QJsonObject yearPlan = root[u"plan"_s].toObject();
    QCOMPARE(yearPlan.size(), kHourFieldCount);
    for (const SubjectInfo &info : subjectTable()) {
        const QString key = QString::fromLatin1(info.fieldName);
        int termSum = 0;
        for (const QJsonValue &t : terms)
            termSum += t.toObject()[u"plan"_s].toObject()[key].toInt();
        QCOMPARE(yearPlan[key].toInt(), termSum);
    }
    QCOMPARE(yearPlan[u"kokugo"_s].toInt(), 245 * 3);
    // The base plan beside it, every field keyed as well.
    const QJsonObject base = root[u"base"_s].toObject();
    QCOMPARE(base.size(), kHourFieldCount);
    QCOMPARE(base[u"kokugo"_s].toInt(), 245 * 3);
    QCOMPARE(base[u"gaikokugokatsudou"_s].toInt(), 0);
    // Only the first term is registered: the year's actual hours are the first term's.
    QCOMPARE(root[u"actual"_s].toObject(), terms[0].toObject()[u"actual"_s].toObject());
    QVERIFY(root[u"actual"_s].toObject()[u"SouJisuu"_s].toInt() > 0);
}

void CliTest::resaveIsByteIdentical() {
    const QString out = path(u"resaved.zr2"_s);
    QCOMPARE(cli({u"resave"_s, examplePath(), out}).exitCode, 0);
    QCOMPARE(readBytes(out), readBytes(examplePath()));
}

void CliTest::unreadableFileReportsTheLine() {
    QByteArray bytes = readBytes(examplePath());
    bytes.replace("\r\n 4\r\n 1\r\n", "\r\n 4\r\n 31\r\n"); // 31 April on lines 6 and 7
    const QString broken = path(u"broken.zr2"_s);
    {
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const Run run = cli({u"summary"_s, broken});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"6行目"_s), qPrintable(run.err));

    const QString foreign = path(u"foreign.zr2"_s);
    {
        QFile f(foreign);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("hello\r\n");
    }
    const Run refused = cli({u"info"_s, foreign});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY(refused.err.contains(u"「トワラ2002」のデータファイルではありません"_s));
}

void CliTest::helpIsJapanese() {
    const Run run = cli({u"--help"_s});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(u"使い方：mirune-cli COMMAND [ARGS]"_s));
    // The command and option names stay as scripts type them.
    for (const QString &name :
         {u"mirune-cli new FILE --year Y"_s, u"mirune-cli info FILE"_s,
          u"mirune-cli schooldays FILE [--list]"_s, u"--format text|csv|json"_s,
          u"mirune-cli resave IN OUT"_s, u"--sheet SHEET -o OUT.pdf"_s, u"[--force]"_s})
        QVERIFY2(run.out.contains(name), qPrintable(name));
    const Run print = cli({u"print"_s, u"--help"_s});
    QCOMPARE(print.exitCode, 0);
    QVERIFY(print.out.contains(
        u"ほかのファイル（ほかの\n  プログラムの PDF も）は --force があるときだけ"_s));
}

void CliTest::outputThatCannotBeWritten_data() {
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");
    const QString full = u"（エラー 28："_s;
    const QString closed = u"（エラー "_s; // whatever the system says of the descriptor
    QTest::newRow("summary to a full disk")
        << u">/dev/full"_s << QStringList{u"summary"_s, examplePath()} << full;
    QTest::newRow("info to a full disk")
        << u">/dev/full"_s << QStringList{u"info"_s, examplePath()} << full;
    QTest::newRow("schooldays list to a full disk")
        << u">/dev/full"_s << QStringList{u"schooldays"_s, examplePath(), u"--list"_s} << full;
    QTest::newRow("help to a full disk") << u">/dev/full"_s << QStringList{u"--help"_s} << full;
    QTest::newRow("summary to a closed output")
        << u">&-"_s << QStringList{u"summary"_s, examplePath(), u"--format=json"_s} << closed;
}

void CliTest::outputThatCannotBeWritten() {
#ifdef Q_OS_WIN
    QSKIP("a full disk (/dev/full) and a closed descriptor, set up through a POSIX shell");
#endif
    QFETCH(QString, redirection);
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    const Run run = cliWithStdout(redirection, args);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(u"標準出力に書き込めませんでした"_s) && lines[0].contains(error),
             qPrintable(run.err));
}

void CliTest::oneMessageLineForAnyInput_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name") << QString()
                                << u"mirune-cli info: ファイル名が指定されていません。"_s;
    QTest::newRow("folder") << u"/"_s
                            << u"mirune-cli info: ファイル「/」を開けませんでした。"
                               "通常のファイルではありません（フォルダ）。"_s;
    QTest::newRow("device") << u"/dev/zero"_s
                            << u"mirune-cli info: ファイル「/dev/zero」を開けませんでした。"
                               "通常のファイルではありません（デバイス）。"_s;
    QTest::newRow("missing file") << u"/nonexistent/a.zr2"_s
                                  << u"mirune-cli info: ファイル「/nonexistent/a.zr2」を開けません"
                                     "でした。No such file or directory"_s;
}

void CliTest::oneMessageLineForAnyInput() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    const Run run = cli({u"info"_s, file});
    QCOMPARE(run.exitCode, 1);
#ifdef Q_OS_WIN
    // The system's own words for a missing file are Windows's, in its language.
    const QString systemText = u"No such file or directory"_s;
    if (message.endsWith(systemText)) {
        QVERIFY2(run.err.startsWith(message.chopped(systemText.size())), qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), 1);
        return;
    }
#endif
    // The message and nothing else: no warning of Qt's.
    QCOMPARE(run.err, message + u'\n');
}

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
