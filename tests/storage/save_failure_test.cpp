// Saving: a save that fails leaves the previous file as it was and the state untouched, and
// reports the system's error number and description; a save that succeeds replaces the file.

#include "file_size_limit.h"
#include "storage/data_file_layout.h"
#include "storage/file_kind.h"
#include "storage_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

const QByteArray kPreviousBytes = "the previous file\r\n";
const QString kPreviousKept = u"以前のファイルはそのまま残っています。"_s;

QString systemDescription(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

// Permissions mean nothing to root: while this lives, a test run as root acts as the user
// "nobody", keeping the way back (the saved user id) to root.
class ActAsUnprivilegedUser {
  public:
    ActAsUnprivilegedUser() {
        if (geteuid() != 0) {
            m_ok = true;
            return;
        }
        constexpr uid_t kNobody = 65534;
        if (setresgid(kNobody, kNobody, 0) != 0)
            return;
        if (setresuid(kNobody, kNobody, 0) != 0) {
            restoreGroup();
            return;
        }
        m_dropped = true;
        m_ok = true;
    }
    ~ActAsUnprivilegedUser() {
        if (m_dropped) {
            if (setresuid(0, 0, 0) != 0)
                std::abort(); // a test process that cannot become root again must not go on
            restoreGroup();
        }
    }
    ActAsUnprivilegedUser(const ActAsUnprivilegedUser &) = delete;
    ActAsUnprivilegedUser &operator=(const ActAsUnprivilegedUser &) = delete;

    bool ok() const { return m_ok; }

  private:
    static void restoreGroup() {
        if (setresgid(0, 0, 0) != 0)
            std::abort();
    }
    bool m_ok = false;
    bool m_dropped = false;
};

AppState stateToSave(const QString &path) {
    AppState state = sample::classState(2004);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2004, 4, 6), QDate(2004, 7, 20), 11);
    state.strFileName = path;
    return state;
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A failed save: the number and the description in the message, nothing new in the folder.
QString failedSaveProblem(const SaveResult &result, const QString &folder,
                          const QStringList &filesBefore) {
    if (result.status != SaveResult::Status::Failed)
        return u"status %1"_s.arg(int(result.status));
    if (result.errorNumber == 0)
        return u"no error number: "_s + result.message;
    if (!result.message.contains(u"エラー %1"_s.arg(result.errorNumber)) ||
        !result.message.contains(systemDescription(result.errorNumber)))
        return u"message without number or description: "_s + result.message;
    if (!folder.isEmpty()) {
        const QStringList files = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                         QDir::Hidden | QDir::System);
        if (files != filesBefore)
            return u"folder holds "_s + files.join(u", "_s);
    }
    return QString();
}

} // namespace

class SaveFailureTest : public QObject {
    Q_OBJECT

  private slots:
    void savedFileReplacesThePrevious();
    void nothingToSave_data();
    void nothingToSave();
    void pathThatCannotBeWritten_data();
    void pathThatCannotBeWritten();
    void unwritableFolder_data();
    void unwritableFolder();
    void readOnlyFile_data();
    void readOnlyFile();
    void writeFailsPartWay_data();
    void writeFailsPartWay();
    void targetThatIsNoRegularFile();
    void textTheFileCannotCarry_data();
    void textTheFileCannotCarry();
    void dataTooLargeToReadBack();
};

void SaveFailureTest::savedFileReplacesThePrevious() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"class.zr2"_s);
    writeFile(path, kPreviousBytes + kPreviousBytes + kPreviousBytes);
    const AppState state = stateToSave(path);

    const SaveResult result = subSaveFile(state);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.message.isEmpty());
    QCOMPARE(fileBytes(path), encodeDataFile(state).bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"class.zr2"_s});
}

void SaveFailureTest::nothingToSave_data() {
    QTest::addColumn<bool>("withFileName");
    QTest::addColumn<int>("year");
    QTest::newRow("no file name") << false << 2004;
    QTest::newRow("no school year") << true << 0;
}

void SaveFailureTest::nothingToSave() {
    QFETCH(bool, withFileName);
    QFETCH(int, year);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"class.zr2"_s);
    writeFile(path, kPreviousBytes);
    AppState state = stateToSave(withFileName ? path : QString());
    state.intYear = qint16(year);

    const SaveResult result = subSaveFile(state);
    QCOMPARE(result.status, SaveResult::Status::NothingToSave);
    QCOMPARE(result.message, u"まだ保存するデータがありません。"_s);
    QCOMPARE(fileBytes(path), kPreviousBytes);
}

void SaveFailureTest::pathThatCannotBeWritten_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<int>("errorNumber");
    QTest::newRow("folder does not exist") << u"missing/class.zr2"_s << ENOENT;
    QTest::newRow("folder is a file") << u"previous.zr2/class.zr2"_s << ENOTDIR;
    QTest::newRow("path is a folder") << u"folder"_s << EISDIR;
}

void SaveFailureTest::pathThatCannotBeWritten() {
    QFETCH(QString, relativePath);
    QFETCH(int, errorNumber);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(u"previous.zr2"_s), kPreviousBytes);
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    const QStringList filesBefore =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const AppState state = stateToSave(dir.filePath(relativePath));
    const QStringList linesBefore = writtenLines(state);

    const SaveResult result = subSaveFile(state);
    QCOMPARE(failedSaveProblem(result, dir.path(), filesBefore), QString());
    QCOMPARE(result.errorNumber, errorNumber);
    QVERIFY2(!result.message.contains(kPreviousKept), qPrintable(result.message));
    QCOMPARE(fileBytes(dir.filePath(u"previous.zr2"_s)), kPreviousBytes);
    QCOMPARE(writtenLines(state), linesBefore);
    QCOMPARE(state.strFileName, dir.filePath(relativePath));
}

void SaveFailureTest::unwritableFolder_data() {
    QTest::addColumn<bool>("previousFile");
    QTest::newRow("replacing a file") << true;
    QTest::newRow("new file") << false;
}

void SaveFailureTest::unwritableFolder() {
    QFETCH(bool, previousFile);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"class"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"class"_s));
    const QString path = folder + u"/2004.zr2"_s;
    if (previousFile)
        writeFile(path, kPreviousBytes);
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                              QFile::ExeOther));
    const AppState state = stateToSave(path);
    const QStringList linesBefore = writtenLines(state);

    SaveResult result;
    {
        ActAsUnprivilegedUser user;
        if (!user.ok())
            QSKIP("cannot leave root to test permissions");
        result = subSaveFile(state);
    }
    QCOMPARE(failedSaveProblem(result, folder, filesBefore), QString());
    QCOMPARE(result.errorNumber, EACCES);
    if (previousFile)
        QCOMPARE(fileBytes(path), kPreviousBytes);
    else
        QVERIFY(!QFile::exists(path));
    QCOMPARE(writtenLines(state), linesBefore);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void SaveFailureTest::readOnlyFile_data() {
    QTest::addColumn<bool>("unprivileged");
    QTest::newRow("as an ordinary user") << true;
    // Root may write any file; the file's own permission bits still say no.
    QTest::newRow("as the process is (root too)") << false;
}

void SaveFailureTest::readOnlyFile() {
    QFETCH(bool, unprivileged);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"2004.zr2"_s);
    writeFile(path, kPreviousBytes);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther));
    // The folder itself is open to everyone: only the file says no.
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::WriteOther | QFile::ExeOther));
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    const AppState state = stateToSave(path);
    const QStringList linesBefore = writtenLines(state);

    SaveResult result;
    if (unprivileged) {
        ActAsUnprivilegedUser user;
        if (!user.ok())
            QSKIP("cannot leave root to test permissions");
        result = subSaveFile(state);
    } else {
        result = subSaveFile(state);
    }
    QCOMPARE(failedSaveProblem(result, dir.path(), filesBefore), QString());
    QCOMPARE(result.errorNumber, EACCES);
    QCOMPARE(fileBytes(path), kPreviousBytes);
    QCOMPARE(QFile::permissions(path) & QFile::WriteOwner, QFile::Permissions());
    QCOMPARE(writtenLines(state), linesBefore);
}

void SaveFailureTest::writeFailsPartWay_data() {
    QTest::addColumn<bool>("previousFile");
    QTest::addColumn<int>("limit");
    QTest::newRow("replacing a file, stops after 4 KB") << true << 4096;
    QTest::newRow("replacing a file, nothing written") << true << 0;
    QTest::newRow("new file, stops after 4 KB") << false << 4096;
}

void SaveFailureTest::writeFailsPartWay() {
    QFETCH(bool, previousFile);
    QFETCH(int, limit);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"2004.zr2"_s);
    if (previousFile)
        writeFile(path, kPreviousBytes);
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    const AppState state = stateToSave(path);
    const QStringList linesBefore = writtenLines(state);
    QVERIFY(encodeDataFile(state).bytes.size() > 4096);

    SaveResult result;
    {
        FileSizeLimit fileSizeLimit{rlim_t(limit)};
        if (!fileSizeLimit.ok())
            QSKIP("cannot limit the file size");
        result = subSaveFile(state);
    }
    QCOMPARE(failedSaveProblem(result, dir.path(), filesBefore), QString());
    QCOMPARE(result.errorNumber, EFBIG);
    // The sentence on the previous file is true: it is there exactly when there was one.
    QCOMPARE(result.message.contains(kPreviousKept), previousFile);
    if (previousFile)
        QCOMPARE(fileBytes(path), kPreviousBytes);
    else
        QVERIFY(!QFile::exists(path));
    QCOMPARE(writtenLines(state), linesBefore);
}

void SaveFailureTest::targetThatIsNoRegularFile() {
    // A named pipe in place of the file: refused for what it is, not for a permission, and left
    // a pipe (a save through a temporary file would put a regular file in its place).
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"pipe.zr2"_s);
    QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    const AppState state = stateToSave(path);

    const SaveResult result = subSaveFile(state);
    QCOMPARE(result.status, SaveResult::Status::Failed);
    QCOMPARE(result.message,
             u"ファイル「%1」に保存できませんでした。"
             "保存先が通常のファイルではありません（名前付きパイプ）。"_s.arg(path));
    QCOMPARE(fileKind(path), FileKind::Fifo);
    QCOMPARE(fileKind(u"/dev/null"_s), FileKind::CharacterDevice);
    QCOMPARE(fileKind(dir.path()), FileKind::Directory);
}

void SaveFailureTest::textTheFileCannotCarry_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("error"); // empty: saved, and read back
    const int limit = int(data_file::kMaxLineBytes);
    QTest::newRow("line break") << u"1"_s << u"山田\r\n花子"_s << u"5行目に保存する文字列に改行"_s;
    // Full-width characters take two bytes each in the file.
    QTest::newRow("name at the reader's line limit")
        << u"1"_s << QString(limit / 2, u'山') << QString();
    QTest::newRow("name one character over")
        << u"1"_s << QString(limit / 2 + 1, u'山')
        << u"5行目に保存する文字列が長すぎます（上限 64 KiB）"_s;
    QTest::newRow("class one byte over") << QString(limit + 1, u'1') << u"山田"_s
                                         << u"4行目に保存する文字列が長すぎます（上限 64 KiB）"_s;
}

void SaveFailureTest::textTheFileCannotCarry() {
    QFETCH(QString, className);
    QFETCH(QString, teacher);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"2004.zr2"_s);
    writeFile(path, kPreviousBytes);
    AppState state = stateToSave(path);
    state.strClass = className;
    state.strTeacher = teacher;

    const SaveResult result = subSaveFile(state);
    if (error.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.message));
        AppState readBack = startedState();
        readBack.strFileName = path;
        const LoadResult loaded = subLoadFile(readBack);
        QVERIFY2(loaded.ok(), qPrintable(loaded.message));
        QCOMPARE(readBack.strTeacher, teacher);
        return;
    }
    QCOMPARE(result.status, SaveResult::Status::Failed);
    QVERIFY2(result.message.contains(error), qPrintable(result.message));
    QCOMPARE(fileBytes(path), kPreviousBytes);
}

void SaveFailureTest::dataTooLargeToReadBack() {
    // Every line within the limit, the whole beyond what the reader takes.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"2004.zr2"_s);
    writeFile(path, kPreviousBytes);
    AppState state = stateToSave(path);
    sample::registerDays(state, QDate(2004, 4, 6), QDate(2005, 3, 18), 0);
    const QString comment(int(data_file::kMaxLineBytes), u'a');
    for (ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get())
        d->strComment = comment;

    const SaveResult result = subSaveFile(state);
    QCOMPARE(result.status, SaveResult::Status::Failed);
    QCOMPARE(result.message, u"保存するデータが大きさの上限（16 MiB）を超えています。"_s);
    QCOMPARE(fileBytes(path), kPreviousBytes);
}

QTEST_GUILESS_MAIN(SaveFailureTest)
#include "save_failure_test.moc"
