// The recovery copy: where it goes, written in the data file's own format, found when newer than
// the file, removed, read back, and kept aside when it cannot be read.

#include "file_bytes.h"
#include "sample_states.h"
#include "storage/recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace mirune;
using namespace Qt::StringLiterals;

namespace {

using mirune::test::readBytes;
using mirune::test::writeBytes;

// Moves a file's modification time `seconds` into the past (or the future).
void shiftTime(const QString &path, int seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                             QFileDevice::FileModificationTime));
}

AppState samplePlan(const QString &fileName) {
    AppState state = sample::classState(2026);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2026, 4, 6), QDate(2026, 4, 30), 5);
    state.strFileName = fileName;
    return state;
}

} // namespace

class RecoveryCopyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void pathNamedAfterTheFile();
    void writtenInTheFileFormat_data();
    void writtenInTheFileFormat();
    void pendingWhenNewer();
    void nothingToWriteWithoutAYear();
    void unreadableCopyKeptAside_data();
    void unreadableCopyKeptAside();

  private:
    QTemporaryDir m_dir;
};

void RecoveryCopyTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void RecoveryCopyTest::init() {
    // Each case starts with no copies at all.
    QDir(QFileInfo(fncRecoveryCopyPath(QString())).absolutePath()).removeRecursively();
}

void RecoveryCopyTest::pathNamedAfterTheFile() {
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u'/';
    const QString first = fncRecoveryCopyPath(m_dir.filePath(u"a/3年1組.zr2"_s));
    const QString second = fncRecoveryCopyPath(m_dir.filePath(u"b/3年1組.zr2"_s));
    QVERIFY(first.startsWith(data));
    QVERIFY(QFileInfo(first).fileName().startsWith(u"3年1組-"_s));
    QVERIFY(first.endsWith(u".zr2"_s));
    QVERIFY(first != second);
    // The same file by another spelling of its path has the same copy.
    QCOMPARE(fncRecoveryCopyPath(m_dir.filePath(u"a/../a/3年1組.zr2"_s)), first);
    QCOMPARE(QFileInfo(fncRecoveryCopyPath(QString())).fileName(), u"新しい計画.zr2"_s);
}

void RecoveryCopyTest::writtenInTheFileFormat_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plan with a file") << u"class.zr2"_s;
    QTest::newRow("plan without a file") << QString();
}

void RecoveryCopyTest::writtenInTheFileFormat() {
    QFETCH(QString, fileName);
    const QString dataFile = fileName.isEmpty() ? QString() : m_dir.filePath(fileName);
    if (!dataFile.isEmpty())
        QFile::remove(dataFile);
    const AppState state = samplePlan(dataFile);
    QVERIFY(!fncHasPendingRecoveryCopy(dataFile));
    QVERIFY(subWriteRecoveryCopy(state).ok());
    const QString copy = fncRecoveryCopyPath(dataFile);
    QCOMPARE(readBytes(copy), encodeDataFile(state).bytes);
    // No file, or the file is gone: any copy is offered.
    QVERIFY(fncHasPendingRecoveryCopy(dataFile));

    AppState restored;
    subInitApp(restored);
    const RecoveryLoadResult loaded = subLoadRecoveryCopy(dataFile, restored);
    QVERIFY2(loaded.ok(), qPrintable(loaded.load.message));
    QCOMPARE(restored.strFileName, dataFile);
    QCOMPARE(encodeDataFile(restored).bytes, encodeDataFile(state).bytes);
    QCOMPARE(chainLength(*restored.objFirstDay), chainLength(*state.objFirstDay));

    subRemoveRecoveryCopy(dataFile);
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!fncHasPendingRecoveryCopy(dataFile));
    subRemoveRecoveryCopy(dataFile); // nothing there: nothing happens
}

void RecoveryCopyTest::pendingWhenNewer() {
    // Decided by content, not by the clock: a copy that holds the file's bytes waits for nobody,
    // any other copy waits, also one older than the file (written since by something else).
    const QString dataFile = m_dir.filePath(u"pending.zr2"_s);
    AppState state = samplePlan(dataFile);
    QVERIFY(subSaveFile(state).ok());
    QVERIFY(subWriteRecoveryCopy(state).ok());
    const QString copy = fncRecoveryCopyPath(dataFile);
    QVERIFY(!fncHasPendingRecoveryCopy(dataFile));
    QVERIFY(fncCheckRecoveryCopy(dataFile).sameAsFile);

    state.strTeacher = u"別の先生"_s;
    QVERIFY(subWriteRecoveryCopy(state).ok());
    shiftTime(dataFile, -60);
    QVERIFY(fncHasPendingRecoveryCopy(dataFile));
    QVERIFY(!fncCheckRecoveryCopy(dataFile).fileChangedSince);
    shiftTime(copy, -120);
    QVERIFY(fncHasPendingRecoveryCopy(dataFile));
    QVERIFY(fncCheckRecoveryCopy(dataFile).fileChangedSince);
    // Another class's file of the same name elsewhere has no copy.
    QDir(m_dir.path()).mkpath(u"other"_s);
    const QString other = m_dir.filePath(u"other/pending.zr2"_s);
    QVERIFY(QFile::copy(dataFile, other));
    QVERIFY(!fncHasPendingRecoveryCopy(other));
    // The file gone: the copy is all there is.
    QVERIFY(QFile::remove(dataFile));
    QVERIFY(fncHasPendingRecoveryCopy(dataFile));
}

void RecoveryCopyTest::nothingToWriteWithoutAYear() {
    AppState state;
    subInitApp(state);
    QCOMPARE(subWriteRecoveryCopy(state).status, SaveResult::Status::NothingToSave);
    QVERIFY(!QFile::exists(fncRecoveryCopyPath(QString())));
}

void RecoveryCopyTest::unreadableCopyKeptAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not a data file") << QByteArray("hello\r\n");
    QTest::newRow("empty") << QByteArray();
    const AppState state = samplePlan(QString());
    const QByteArray whole = encodeDataFile(state).bytes;
    QTest::newRow("cut short") << whole.left(whole.size() / 3);
}

void RecoveryCopyTest::unreadableCopyKeptAside() {
    QFETCH(QByteArray, bytes);
    const QString dataFile = m_dir.filePath(u"broken.zr2"_s);
    const QString copy = fncRecoveryCopyPath(dataFile);
    QDir().mkpath(QFileInfo(copy).absolutePath());
    QVERIFY(writeBytes(copy, bytes));
    QVERIFY(fncHasPendingRecoveryCopy(dataFile));

    AppState state = samplePlan(dataFile);
    const QByteArray before = encodeDataFile(state).bytes;
    const RecoveryLoadResult loaded = subLoadRecoveryCopy(dataFile, state);
    QVERIFY(!loaded.ok());
    QVERIFY(!loaded.load.message.isEmpty());
    // The plan in memory is as it was, the copy is kept aside whole and no longer offered.
    QCOMPARE(encodeDataFile(state).bytes, before);
    QCOMPARE(state.strFileName, dataFile);
    QVERIFY(!loaded.keptAside.isEmpty());
    QCOMPARE(readBytes(loaded.keptAside), bytes);
    QVERIFY(QFile::exists(loaded.keptAside));
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!fncHasPendingRecoveryCopy(dataFile));
}

QTEST_GUILESS_MAIN(RecoveryCopyTest)
#include "recovery_copy_test.moc"
