// The records office's commands: summary's CSV as bytes and its workbook; school over a folder
// of class files with broken, duplicate and unreadable entries among them; and the outputs that
// must never replace a class's data file or hide a class that could not be read.

#include "cli_run.h"
#include "file_bytes.h"
#include "hard_link.h"
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
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using mirune::test::readBytes;
using mirune::test::writeBytes;

QString examplePath() {
    return QString::fromUtf8(MIRUNE_EXAMPLE_PATH);
}

bool save(AppState state, const QString &path) {
    state.strFileName = path;
    return subSaveFile(state).ok();
}

// What a file is before and after a command: whether it is there, and its bytes.
QByteArray snapshot(const QString &path) {
    return QFileInfo::exists(path) ? "there:" + readBytes(path) : QByteArray("missing");
}

#ifdef Q_OS_UNIX
// Permissions mean nothing to root: run so, the command runs as the user "nobody". The checkout
// may lie in a folder nobody can enter (a root's home, a private temporary folder), so the
// command runs from a copy in `folder`, which the test opens to everyone. Exit status 99: the
// command could not be run as another user here.
Run cliAsNobody(const QString &folder, const QStringList &args) {
    const QString program = folder + u"/mirune-cli"_s;
    if (!QFile::exists(program) && !QFile::copy(QString::fromUtf8(MIRUNE_CLI_PATH), program))
        return {99, {}, {}, {}};
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                       QFile::ExeGroup);
    QProcess process;
    process.setChildProcessModifier([] {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(99);
    });
    process.start(program, args);
    if (!process.waitForStarted(60000))
        return {99, {}, process.errorString(), {}};
    if (!process.waitForFinished(60000))
        return {};
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), QString::fromUtf8(out),
            QString::fromUtf8(process.readAllStandardError()), out};
}
#endif

QJsonObject jsonOf(const Run &run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// The lines of a text report after its heading "読み込めなかったファイル".
QStringList unreadLines(const QString &text) {
    const qsizetype at = text.indexOf(u"\n読み込めなかったファイル\n"_s);
    if (at < 0)
        return {};
    return text.mid(at).split(u'\n', Qt::SkipEmptyParts).mid(1);
}

} // namespace

class ReportCliTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void summaryCsvFileBytes();
    void refusals_data();
    void refusals();
    void replacements_data();
    void replacements();
    void summaryWorkbook();
    void schoolJson();
    void schoolText();
    void unreadableEntries_data();
    void unreadableEntries();
    void unlistableFolder();
    void schoolOfTwentyClasses();

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

    // Outputs a typo could name: links and other names of the class files, a backup, files of
    // other kinds.
    // (Symbolic links are Linux's here: what Windows makes of QFile::link is a shortcut file.)
    QVERIFY(test::makeHardLink(m_school + u"/1-2.zr2"_s, path(u"hard.csv"_s)));
    QVERIFY(QDir().mkpath(path(u"share"_s)));
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(m_school + u"/broken.zr2"_s, path(u"broken-link.csv"_s)));
    QVERIFY(QFile::link(path(u"share/unmounted.csv"_s), path(u"dangling-link"_s)));
#endif
    QVERIFY(writeBytes(path(u"class.bak"_s), example));
    // The last good report of the school, as the command wrote it.
    QCOMPARE(cli({u"school"_s, m_school, u"--format=csv"_s, u"-o"_s, path(u"old.csv"_s)}).exitCode,
             1);
    QVERIFY(readBytes(path(u"old.csv"_s)).startsWith("\xEF\xBB\xBF"));
    QVERIFY(writeBytes(path(u"sheet.pdf"_s), "%PDF-1.4\n"));
    QVERIFY(writeBytes(path(u"sheet"_s), "%PDF-1.4\n"));
    QVERIFY(writeBytes(path(u"notes.docx"_s), QByteArray("PK\x03\x04", 4) + "word/document.xml"));
    QVERIFY(QDir().mkpath(path(u"folder"_s)));
    const Run workbook =
        cli({u"summary"_s, examplePath(), u"--format=xlsx"_s, u"-o"_s, path(u"old.xlsx"_s)});
    QCOMPARE(workbook.exitCode, 0);
    const Run csvReport = cli({u"summary"_s, examplePath(), u"--format=csv"_s});
    QVERIFY(writeBytes(path(u"csv-report"_s), csvReport.rawOut));
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
    // The window's nine columns, then the workbook's six columns of lesson hours.
    const QList<QByteArray> heading = bytes.left(bytes.indexOf('\r')).split(',');
    QCOMPARE(heading.size(), 15);
    QCOMPARE(heading[9], u"学期･計画（時間）"_s.toUtf8());
    // The same bytes as on standard output.
    const Run toStdout = cli({u"summary"_s, examplePath(), u"--format=csv"_s});
    QCOMPARE(toStdout.rawOut, bytes);
}

// Every refusal leaves `kept` as it was (or not there).
void ReportCliTest::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("kept");
    const QString ex = examplePath();
    const QString classFile = m_school + u"/3-1.zr2"_s;
    const QString broken = m_school + u"/broken.zr2"_s;
    const QString csv = u"--format=csv"_s;
    const QString school = u"school"_s;
    const QString o = u"-o"_s;
    QTest::newRow("xlsx without -o")
        << QStringList{u"summary"_s, ex, u"--format=xlsx"_s} << 2 << u"-o OUT.xlsx"_s << ex;
    QTest::newRow("school xlsx without -o")
        << QStringList{school, ex, u"--format=xlsx"_s} << 2 << u"-o OUT.xlsx"_s << ex;
    QTest::newRow("unknown format")
        << QStringList{school, ex, u"--format=ods"_s} << 2 << u"xlsx"_s << ex;
    QTest::newRow("bad term") << QStringList{school, ex, u"--term=0"_s} << 2 << u"--term"_s << ex;
    QTest::newRow("school without paths") << QStringList{school} << 2 << u"PATH"_s << ex;

    // The inputs, read or not, under any name.
    const QString isInput = u"書き出し先には使えません"_s;
    QTest::newRow("the data file itself")
        << QStringList{u"summary"_s, ex, csv, o, ex} << 1 << isInput << ex;
    QTest::newRow("a file that failed to load, found in the folder")
        << QStringList{school, m_school, csv, o, broken} << 1 << isInput << broken;
    QTest::newRow("a file that failed to load, named directly")
        << QStringList{school, classFile, broken, u"--format=text"_s, o, broken} << 1 << isInput
        << broken;
#ifdef Q_OS_UNIX
    QTest::newRow("a failed input through a link of another name")
        << QStringList{school, m_school, csv, o, path(u"broken-link.csv"_s)} << 1 << isInput
        << broken;
#endif
    QTest::newRow("an input through ..")
        << QStringList{u"summary"_s, classFile, csv, o, m_school + u"/../school/3-1.zr2"_s} << 1
        << isInput << classFile;
    QTest::newRow("an input through a hard link of another name")
        << QStringList{school, m_school + u"/1-2.zr2"_s, csv, o, path(u"hard.csv"_s)} << 1
        << isInput << m_school + u"/1-2.zr2"_s;
#ifdef Q_OS_UNIX
    QTest::newRow("the place a link that leads nowhere names")
        << QStringList{school, path(u"dangling-link"_s), csv, o, path(u"share/unmounted.csv"_s)}
        << 1 << isInput << path(u"share/unmounted.csv"_s);
#endif

    // Data files that are not inputs, files of other kinds, things that are not files.
    QTest::newRow("another class's data file")
        << QStringList{school, classFile, csv, o, m_school + u"/1-2.zr2"_s} << 1
        << u"データファイルの名前"_s << m_school + u"/1-2.zr2"_s;
    QTest::newRow("a new file named .zr2")
        << QStringList{school, classFile, csv, o, path(u"report.zr2"_s)} << 1
        << u"データファイルの名前"_s << path(u"report.zr2"_s);
    QTest::newRow("a backup of a data file, even with --force")
        << QStringList{school, classFile, csv, o, path(u"class.bak"_s), u"--force"_s} << 1
        << u"データファイルです"_s << path(u"class.bak"_s);
    // The format follows the name; a --format that contradicts it is a usage error.
    QTest::newRow("xlsx into a name of a CSV")
        << QStringList{u"summary"_s, ex, u"--format=xlsx"_s, o, path(u"old.csv"_s)} << 2
        << u"--format xlsx と出力先"_s << path(u"old.csv"_s);
    QTest::newRow("csv into a name of a workbook, even with --force")
        << QStringList{school, classFile, csv, o, path(u"old.xlsx"_s), u"--force"_s} << 2
        << u"合いません"_s << path(u"old.xlsx"_s);
    QTest::newRow("a CSV report where a workbook is asked for")
        << QStringList{u"summary"_s, ex, u"--format=xlsx"_s, o, path(u"csv-report"_s)} << 1
        << u"CSV のファイルで、xlsx"_s << path(u"csv-report"_s);
    QTest::newRow("a document that is no workbook, as xlsx")
        << QStringList{u"summary"_s, ex, u"--format=xlsx"_s, o, path(u"notes.docx"_s)} << 1
        << u"--force"_s << path(u"notes.docx"_s);
    QTest::newRow("a PDF's name without --format")
        << QStringList{u"summary"_s, ex, o, path(u"sheet.pdf"_s)} << 2 << u"PDF の名前"_s
        << path(u"sheet.pdf"_s);
    QTest::newRow("a PDF as text") << QStringList{u"summary"_s, ex, o, path(u"sheet"_s)} << 1
                                   << u"PDFで"_s << path(u"sheet"_s);
    QTest::newRow("a folder") << QStringList{u"summary"_s, ex, csv, o, path(u"folder"_s)} << 1
                              << u"通常のファイルではありません（フォルダ）"_s << path(u"folder"_s);

    // Nothing read, nothing written: the last good report stays.
    QTest::newRow("no class read, csv") << QStringList{school, broken, csv, o, path(u"old.csv"_s)}
                                        << 1 << u"書き出しませんでした"_s << path(u"old.csv"_s);
    QTest::newRow("no class read, xlsx") << QStringList{school,
                                                        broken,
                                                        m_school + u"/gone.zr2"_s,
                                                        u"--format=xlsx"_s,
                                                        o,
                                                        path(u"old.xlsx"_s)}
                                         << 1 << u"書き出しませんでした"_s << path(u"old.xlsx"_s);
}

void ReportCliTest::refusals() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    const QByteArray before = snapshot(kept);
    const QStringList classFiles = QDir(m_school).entryList({u"*.zr2"_s}, QDir::Files);
    QList<QByteArray> classBytes;
    for (const QString &name : classFiles)
        classBytes += readBytes(m_school + u'/' + name);

    const auto entries = [this] {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    const QStringList entriesBefore = entries();

    const Run run = cli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(snapshot(kept), before);
    for (qsizetype i = 0; i < classFiles.size(); ++i)
        QCOMPARE(readBytes(m_school + u'/' + classFiles[i]), classBytes[i]);
    // Nothing new beside them, no temporary file either.
    QCOMPARE(entries(), entriesBefore);
}

// What may be replaced: the program's own earlier report of the format and an empty file, and
// with --force any other file.
void ReportCliTest::replacements_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QByteArray>("startsWith");
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray zip("PK\x03\x04", 4);
    QTest::newRow("csv over its own earlier CSV")
        << u"csv"_s << bom + u"教科,学期･計画,学期･実績,学期･増減,年間･計画\r\n"_s.toUtf8() << false
        << bom;
    QTest::newRow("csv over another program's CSV, --force")
        << u"csv"_s << QByteArray("a,b\r\n1,2\r\n") << true << bom;
    QTest::newRow("csv over a class list in the spreadsheet's own code page, --force")
        << u"csv"_s << QByteArray("\x94\x4e\x93\x78,\x8a\x77\x94\x4e\r\n") << true << bom;
    QTest::newRow("text over its own earlier text")
        << u"text"_s << u"年度  学年  組  担任  教科  計画\n"_s.toUtf8() << false
        << u"教科"_s.toUtf8();
    QTest::newRow("text over a note, --force")
        << u"text"_s << QByteArray("教科  学期\n") << true << u"教科"_s.toUtf8();
    QTest::newRow("json over its own earlier JSON")
        << u"json"_s << QByteArray("{\"classes\":[],\"failed\":[]}\n") << false
        << QByteArray("{\"year\"");
    QTest::newRow("json over another program's JSON, --force")
        << u"json"_s << QByteArray(" {\"year\":2025}\n") << true << QByteArray("{\"year\"");
    QTest::newRow("xlsx over an empty file") << u"xlsx"_s << QByteArray() << false << zip;
    QTest::newRow("xlsx over a CSV, --force") << u"xlsx"_s << QByteArray("a,b\r\n") << true << zip;
    QTest::newRow("csv over a text, --force") << u"csv"_s << QByteArray("notes\n") << true << bom;
}

void ReportCliTest::replacements() {
    QFETCH(QString, format);
    QFETCH(QByteArray, previous);
    QFETCH(bool, force);
    QFETCH(QByteArray, startsWith);
    const QString out = path(u"replaced"_s);
    QVERIFY(writeBytes(out, previous));
    QStringList args = {u"summary"_s, examplePath(), u"--format"_s, format, u"-o"_s, out};
    if (force)
        args += u"--force"_s;
    const Run run = cli(args);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QVERIFY(readBytes(out).startsWith(startsWith));
    // Without --force the same file of another kind is refused.
    if (force) {
        QVERIFY(writeBytes(out, previous));
        args.removeLast();
        QCOMPARE(cli(args).exitCode, 1);
        QCOMPARE(readBytes(out), previous);
    }
}

void ReportCliTest::summaryWorkbook() {
    const QString out = path(u"summary.xlsx"_s);
    QVERIFY(writeBytes(out, QByteArray()));
    const Run run =
        cli({u"summary"_s, examplePath(), u"--term=2"_s, u"--format=xlsx"_s, u"-o"_s, out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QByteArray bytes = readBytes(out);
    QVERIFY(bytes.startsWith("PK\x03\x04"));
    // No temporary file left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({u"summary.xlsx*"_s}, QDir::Files | QDir::Hidden),
             QStringList{u"summary.xlsx"_s});
    // Written again over itself: its own kind.
    QCOMPARE(cli({u"summary"_s, examplePath(), u"--format=xlsx"_s, u"-o"_s, out}).exitCode, 0);
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
    // Two different classes: no duplicate mark below the headings, and nothing unread.
    for (const QString &line : lines.mid(1))
        QVERIFY2(!line.contains(u"重複"_s), qPrintable(line));
    QVERIFY(!run.out.contains(u"読み込めなかったファイル"_s));
}

// Entries of a folder that are no readable file are reported as failed, with the reason they
// get when named directly; the good file beside them is summarised.
void ReportCliTest::unreadableEntries_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
#ifdef Q_OS_UNIX
    QTest::newRow("a link to a share that is not mounted") << u"dangling"_s << QString();
    QTest::newRow("a loop of links") << u"loop"_s << QString();
    QTest::newRow("a pipe") << u"fifo"_s << u"名前付きパイプ"_s;
    QTest::newRow("a socket") << u"socket"_s << u"ソケット"_s;
#endif
    QTest::newRow("a file that is not a data file") << u"garbage"_s << u"トワラ2002"_s;
}

void ReportCliTest::unreadableEntries() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"classes"_s);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeBytes(folder + u"/good.zr2"_s, readBytes(examplePath())));
    const QString entry = folder + u"/trouble.zr2"_s;
#ifdef Q_OS_UNIX
    if (kind == u"dangling"_s) {
        QVERIFY(QFile::link(u"/nonexistent-share/3-2.zr2"_s, entry));
    } else if (kind == u"loop"_s) {
        QVERIFY(QFile::link(folder + u"/other.zr2"_s, entry));
        QVERIFY(QFile::link(entry, folder + u"/other.zr2"_s));
    } else if (kind == u"fifo"_s) {
        QCOMPARE(mkfifo(QFile::encodeName(entry).constData(), 0600), 0);
    } else if (kind == u"socket"_s) {
        // A socket bound to the name leaves its file behind when closed.
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(socket >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(entry);
        QVERIFY(name.size() < qsizetype(sizeof address.sun_path));
        std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
        const int bound = ::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::close(socket);
        QCOMPARE(bound, 0);
    } else
#endif
    {
        QVERIFY(writeBytes(entry, "garbage\r\n"));
    }

    // Named on its own, the entry fails with its reason.
    const Run alone = cli({u"school"_s, entry, u"--format=json"_s});
    QCOMPARE(alone.exitCode, 1);
    const QJsonArray aloneFailed = jsonOf(alone)[u"failed"_s].toArray();
    QCOMPARE(aloneFailed.size(), 1);
    const QString error = aloneFailed[0][u"error"_s].toString();
    QVERIFY(!error.isEmpty());
    if (!reason.isEmpty())
        QVERIFY2(error.contains(reason), qPrintable(error));

    // Found in the folder, the same, in every form a person or a script reads.
    const Run json = cli({u"school"_s, folder, u"--format=json"_s});
    QCOMPARE(json.exitCode, 1);
    QCOMPARE(jsonOf(json)[u"classes"_s].toArray().size(), 1);
    QJsonArray failed = jsonOf(json)[u"failed"_s].toArray();
    if (kind == u"loop"_s) // both links of the loop
        QCOMPARE(failed.size(), 2);
    else
        QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.last()[u"file"_s].toString(), entry);
    QCOMPARE(failed.last()[u"error"_s].toString(), error);

    const Run text = cli({u"school"_s, folder});
    QCOMPARE(text.exitCode, 1);
    const QStringList unread = unreadLines(text.out);
    QVERIFY2(!unread.filter(entry).filter(error).isEmpty(), qPrintable(text.out));
    QVERIFY2(text.err.contains(entry) && text.err.contains(error), qPrintable(text.err));

    // The CSV's rows stay clean; the failure is on standard error.
    const Run csv = cli({u"school"_s, folder, u"--format=csv"_s});
    QCOMPARE(csv.exitCode, 1);
    QVERIFY(!csv.out.contains(u"trouble"_s));
    QVERIFY2(csv.err.contains(entry) && csv.err.contains(error), qPrintable(csv.err));
}

// A folder that cannot be listed says so, with the reason, rather than that it holds no files.
void ReportCliTest::unlistableFolder() {
#ifndef Q_OS_UNIX
    QSKIP("Unix permission bits and a process run as another user");
#else
    QTemporaryDir dir;
    const QString locked = dir.filePath(u"locked"_s);
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(writeBytes(locked + u"/3-1.zr2"_s, readBytes(examplePath())));
    const QString good = dir.filePath(u"good.zr2"_s);
    QVERIFY(writeBytes(good, readBytes(examplePath())));
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    QVERIFY(QFile::setPermissions(dir.path(), everyone));
    QVERIFY(QFile::setPermissions(good, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup));
    QVERIFY(QFile::setPermissions(locked, QFile::ExeOwner | QFile::ExeOther | QFile::ExeGroup));

    const Run run = cliAsNobody(dir.path(), {u"school"_s, locked, good});
    QVERIFY(QFile::setPermissions(locked, everyone));
    if (run.exitCode == 99)
        QSKIP(qPrintable(u"cannot run the command as another user here: "_s + run.err));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"フォルダの中を見られませんでした（Permission denied）"_s),
             qPrintable(run.err));
    QVERIFY(!run.err.contains(u"ありません"_s));
    const QStringList unread = unreadLines(run.out);
    QCOMPARE(unread.size(), 1);
    QVERIFY(unread[0].contains(locked));
    QVERIFY(run.out.contains(good));
#endif
}

// A school of twenty classes with a broken file, a link that leads nowhere, the same file named
// twice, a copy of a class, full-width class numbers and a class name that looks like a formula,
// tried in every format: no input changes, and every failure shows in what a person reads.
void ReportCliTest::schoolOfTwentyClasses() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"school"_s);
    QVERIFY(QDir().mkpath(folder));
    int made = 0;
    for (int grade = 1; grade <= 6; ++grade) {
        for (int c = 1; c <= (grade <= 2 ? 4 : 3); ++c) {
            // Grade 2 writes its class numbers in full-width digits.
            const QString name = grade == 2 ? QString(QChar(u'０' + c)) : QString::number(c);
            AppState state = sample::classState(2026, grade, name, u"担任%1"_s.arg(made));
            sample::fillPlans(state);
            sample::registerDays(state, QDate(2026, 4, 6), QDate(2026, 4, 30));
            QVERIFY(save(state, folder + u"/%1-%2.zr2"_s.arg(grade).arg(c)));
            ++made;
        }
    }
    // Twenty: 4 + 4 + 3 x 4.
    QCOMPARE(made, 20);
    AppState formula = sample::classState(2026, 6, u"=1+2"_s, u"@山田"_s);
    QVERIFY(save(formula, folder + u"/6-x.zr2"_s));
    QVERIFY(QFile::copy(folder + u"/2-1.zr2"_s, folder + u"/2-1 copy.zr2"_s));
    QVERIFY(writeBytes(folder + u"/broken.zr2"_s, "garbage\r\n"));
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(u"/nonexistent-share/4-9.zr2"_s, folder + u"/4-9.zr2"_s));
#else
    // Where a link is a shortcut file: a class file a failed copy left empty fails as well.
    QVERIFY(writeBytes(folder + u"/4-9.zr2"_s, QByteArray()));
#endif
    // The folder again, through "..", and a file of it named on its own: read once.
    const QStringList paths = {folder, folder + u"/3-1.zr2"_s, dir.filePath(u"school/../school"_s)};

    QHash<QString, QByteArray> before;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        before.insert(name, readBytes(folder + u'/' + name));
    const auto unchanged = [&] {
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (readBytes(folder + u'/' + it.key()) != it.value())
                return false;
        return QDir(folder).entryList(QDir::Files).size() == before.size();
    };
    const QString broken = folder + u"/broken.zr2"_s;
    const QString dangling = folder + u"/4-9.zr2"_s;

    // JSON: 22 classes once each (the copy and the formula class included), two failures.
    const Run json = cli(QStringList{u"school"_s} + paths + QStringList{u"--format=json"_s});
    QCOMPARE(json.exitCode, 1);
    const QJsonArray classes = jsonOf(json)[u"classes"_s].toArray();
    QCOMPARE(classes.size(), 22);
    QStringList duplicates;
    for (const QJsonValue &one : classes)
        if (one[u"duplicate"_s].toBool())
            duplicates += QFileInfo(one[u"file"_s].toString()).fileName();
    QCOMPARE(duplicates, (QStringList{u"2-1 copy.zr2"_s, u"2-1.zr2"_s}));
    // Grade 2 in its numeric order.
    QStringList grade2;
    for (const QJsonValue &one : classes)
        if (one[u"grade"_s].toInt() == 2)
            grade2 += one[u"class"_s].toString();
    QCOMPARE(grade2, (QStringList{u"１"_s, u"１"_s, u"２"_s, u"３"_s, u"４"_s}));
    const QJsonArray failed = jsonOf(json)[u"failed"_s].toArray();
    QCOMPARE(failed.size(), 2);
    QCOMPARE(failed[0][u"file"_s].toString(), dangling);
    QCOMPARE(failed[1][u"file"_s].toString(), broken);
    QVERIFY(unchanged());

    // Text: both failures under the table; the formula-like name as it is.
    const Run text = cli(QStringList{u"school"_s} + paths);
    QCOMPARE(text.exitCode, 1);
    const QStringList unread = unreadLines(text.out);
    QCOMPARE(unread.size(), 2);
    QVERIFY(unread[0].contains(dangling));
    QVERIFY(unread[1].contains(broken));
    QVERIFY(text.out.contains(u"=1+2"_s));
    QVERIFY(unchanged());

    // CSV to a file: clean rows, the names made text, the failures on standard error.
    const QString csvPath = dir.filePath(u"school.csv"_s);
    const Run csv =
        cli(QStringList{u"school"_s} + paths + QStringList{u"--format=csv"_s, u"-o"_s, csvPath});
    QCOMPARE(csv.exitCode, 1);
    QVERIFY(csv.err.contains(broken) && csv.err.contains(dangling));
    const QString csvText = QString::fromUtf8(readBytes(csvPath));
    QVERIFY(!csvText.contains(u"broken"_s));
    QVERIFY(csvText.contains(u",'=1+2,'@山田,"_s));
    QVERIFY(!csvText.contains(u",=1+2"_s));
    // Differences below the plan keep their minus: only April is registered.
    QVERIFY(csvText.contains(u",-"_s));
    QVERIFY(!csvText.contains(u",'-"_s));
    QVERIFY(unchanged());

    // The workbook: the failures under the table in red.
    const QString bookPath = dir.filePath(u"school.xlsx"_s);
    const Run xlsx =
        cli(QStringList{u"school"_s} + paths + QStringList{u"--format=xlsx"_s, u"-o"_s, bookPath});
    QCOMPARE(xlsx.exitCode, 1);
    const test::Workbook book = test::readWorkbook(readBytes(bookPath));
    QString listed;
    for (auto it = book.cells.cbegin(); it != book.cells.cend(); ++it)
        if (book.fontColour(it.key()) == u"FFFF0000"_s && it.key().startsWith(u'A'))
            listed += it.value().text + u'\n';
    QVERIFY2(listed.contains(u"読み込めなかったファイル"_s) && listed.contains(broken) &&
                 listed.contains(dangling),
             qPrintable(listed));
    QVERIFY(unchanged());

    // And no output over any of them.
    for (const QString &target : {broken, dangling, folder + u"/2-1 copy.zr2"_s}) {
        QCOMPARE(cli(QStringList{u"school"_s} + paths + QStringList{u"-o"_s, target}).exitCode, 1);
        QVERIFY(unchanged());
    }
}

QTEST_GUILESS_MAIN(ReportCliTest)
#include "report_cli_test.moc"
