// Save As with its backup, Open into a fresh state, and the window placement in the settings
// store.

#include "file_bytes.h"
#include "storage/file_commands.h"
#include "storage/settings_store.h"
#include "storage_test_support.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace mirune;
using namespace mirune::test;

namespace {

using mirune::test::readBytes;
using mirune::test::writeBytes;

AppState recordedState() {
    AppState state = sample::classState(2026);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(2026, 4, 6), QDate(2026, 4, 10));
    return state;
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void backupPath_data();
    void backupPath();
    void saveAsOverAFileKeepsItsBackup();
    void saveAsToANewNameMakesNoBackup();
    void saveAsInAFolderWithADot();
    void saveAsReplacesAnOlderBackup();
    void failedSaveAsKeepsFileAndName();
    void openReplacesThePlanCompletely();
    void failedOpenLeavesThePlan_data();
    void failedOpenLeavesThePlan();
    void placementRoundTrip();
    void placementDefaults_data();
    void placementDefaults();
    void portableSettingsBesideTheProgram_data();
    void portableSettingsBesideTheProgram();
};

void FileCommandsTest::backupPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("backup");
    QTest::newRow("suffix") << u"/home/t/class3.zr2"_s << u"/home/t/class3.bak"_s;
    QTest::newRow("folder with a dot")
        << u"/home/t/2026.年度/class3.zr2"_s << u"/home/t/2026.年度/class3.bak"_s;
    QTest::newRow("folder with a dot, name without")
        << u"/home/t/my.files/class3"_s << u"/home/t/my.files/class3.bak"_s;
    QTest::newRow("no dot") << u"/home/t/class3"_s << u"/home/t/class3.bak"_s;
    QTest::newRow("two suffixes") << u"/home/t/class3.old.zr2"_s << u"/home/t/class3.old.bak"_s;
    QTest::newRow("relative") << u"class3.zr2"_s << u"class3.bak"_s;
    QTest::newRow("dot file") << u"/home/t/.zr2"_s << u"/home/t/.zr2.bak"_s;
    QTest::newRow("Japanese name") << u"/home/t/３年１組.zr2"_s << u"/home/t/３年１組.bak"_s;
}

void FileCommandsTest::backupPath() {
    QFETCH(QString, path);
    QFETCH(QString, backup);
    QCOMPARE(fncBackupPath(path), backup);
}

void FileCommandsTest::saveAsOverAFileKeepsItsBackup() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.zr2"_s);
    QVERIFY(writeBytes(path, "old contents"));
    AppState state = recordedState();
    const SaveResult result = subSaveFileAs(state, path);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(state.strFileName, path);
    QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), QByteArray("old contents"));
    QCOMPARE(readBytes(path), encodeDataFile(state).bytes);
}

void FileCommandsTest::saveAsToANewNameMakesNoBackup() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"class3"_s); // no suffix, as the dialog returned it
    AppState state = recordedState();
    QVERIFY(subSaveFileAs(state, path).ok());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"class3"_s});
    // Nothing lands in the working folder either.
    QVERIFY(!QFile::exists(QDir::current().filePath(u"bak"_s)));
}

void FileCommandsTest::saveAsInAFolderWithADot() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"2026.年度"_s));
    const QString folder = dir.filePath(u"2026.年度"_s);
    const QString path = folder + u"/class3.zr2"_s;
    QVERIFY(writeBytes(path, "old"));
    AppState state = recordedState();
    QVERIFY(subSaveFileAs(state, path).ok());
    QCOMPARE(readBytes(folder + u"/class3.bak"_s), QByteArray("old"));
    // Nothing beside the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

void FileCommandsTest::saveAsReplacesAnOlderBackup() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.zr2"_s);
    QVERIFY(writeBytes(dir.filePath(u"a.bak"_s), "oldest"));
    QVERIFY(writeBytes(path, "older"));
    AppState state = recordedState();
    QVERIFY(subSaveFileAs(state, path).ok());
    QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), QByteArray("older"));
    // Saving as its own backup name makes no backup of itself.
    QVERIFY(subSaveFileAs(state, dir.filePath(u"a.bak"_s)).ok());
    QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), encodeDataFile(state).bytes);
}

void FileCommandsTest::failedSaveAsKeepsFileAndName() {
    QTemporaryDir dir;
    const QString previousName = dir.filePath(u"before.zr2"_s);
    const QString path = dir.filePath(u"a.zr2"_s);
    QVERIFY(writeBytes(path, "old contents"));
    AppState state = recordedState();
    state.strFileName = previousName;
    state.strTeacher = u"山田\r\n花子"_s; // a text the file cannot carry: the save fails
    const SaveResult result = subSaveFileAs(state, path);
    QVERIFY(!result.ok());
    QVERIFY(!result.message.isEmpty());
    QCOMPARE(state.strFileName, previousName);
    QCOMPARE(readBytes(path), QByteArray("old contents"));
}

void FileCommandsTest::openReplacesThePlanCompletely() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"other.zr2"_s);
    AppState other = sample::classState(2025, 5, u"2"_s, u"佐藤"_s);
    sample::fillPlans(other);
    sample::registerDays(other, QDate(2025, 6, 2), QDate(2025, 6, 3));
    other.strFileName = path;
    QVERIFY(subSaveFile(other).ok());

    AppState state = recordedState(); // an unsaved plan with five days
    state.boolDaySelected = 1;
    const LoadResult result = subOpenFile(state, path);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(state.strFileName, path);
    QCOMPARE(state.intYear, qint16(2025));
    QCOMPARE(chainLength(*state.objFirstDay), 2);
    QVERIFY(!state.objFirstDay->searchDay(QDate(2026, 4, 6)));
    QCOMPARE(state.boolDaySelected, qint16(0));
    QCOMPARE(savedDifference(state, other), QString());
}

void FileCommandsTest::failedOpenLeavesThePlan_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("status");
    QTest::newRow("fails in the holidays")
        << u"ends_in_holidays.zr2"_s << int(LoadResult::Status::Failed);
    QTest::newRow("fails in the days")
        << u"ends_in_day_group.zr2"_s << int(LoadResult::Status::Failed);
    QTest::newRow("no data file") << u"README.md"_s << int(LoadResult::Status::NotADataFile);
    QTest::newRow("missing") << u"no such file.zr2"_s << int(LoadResult::Status::CannotOpen);
}

void FileCommandsTest::failedOpenLeavesThePlan() {
    QFETCH(QString, fixture);
    QFETCH(int, status);
    AppState state = recordedState();
    state.strFileName = u"/somewhere/current.zr2"_s;
    const AppState before = state; // shares the records: they must not be touched either
    const QStringList linesBefore = writtenLines(state);

    const LoadResult result =
        subOpenFile(state, QStringLiteral(MIRUNE_STORAGE_TEST_DATA "/") + fixture);
    QCOMPARE(int(result.status), status);
    QVERIFY(!result.message.isEmpty());
    QCOMPARE(writtenLines(state), linesBefore);
    QCOMPARE(state.strFileName, before.strFileName);
    QCOMPARE(state.objFirstDay, before.objFirstDay);
    QCOMPARE(state.objWeekPlanA, before.objWeekPlanA);
    QCOMPARE(chainLength(*state.objFirstDay), 5);
}

void FileCommandsTest::placementRoundTrip() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"settings.ini"_s);
    {
        QSettings store(ini, QSettings::IniFormat);
        QVERIFY(writeMainPlacement(store, {1500, 2250, 13500, 9495}));
    }
    QSettings store(ini, QSettings::IniFormat);
    QCOMPARE(store.value(u"Settings/MainLeft"_s).toString(), u"1500"_s);
    QCOMPARE(store.value(u"Settings/MainHeight"_s).toString(), u"9495"_s);
    const MainPlacement read = readMainPlacement(store);
    QCOMPARE(read.left, 1500);
    QCOMPARE(read.top, 2250);
    QCOMPARE(read.width, 13500);
    QCOMPARE(read.height, 9495);
}

void FileCommandsTest::placementDefaults_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("expectedLeft");
    QTest::newRow("missing") << QString() << 1000;
    QTest::newRow("not a number") << u"abc"_s << 1000;
    QTest::newRow("negative, on a screen to the left") << u"-3000"_s << -3000;
    QTest::newRow("blanks around") << u" 4500 "_s << 4500;
}

void FileCommandsTest::placementDefaults() {
    QFETCH(QString, left);
    QFETCH(int, expectedLeft);
    QTemporaryDir dir;
    QSettings store(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    if (!left.isNull())
        store.setValue(u"Settings/MainLeft"_s, left);
    const MainPlacement read = readMainPlacement(store);
    QCOMPARE(read.left, expectedLeft);
    QCOMPARE(read.top, 1000);
}

void FileCommandsTest::portableSettingsBesideTheProgram_data() {
    QTest::addColumn<QString>("folder"); // under a fresh temporary folder
    QTest::addColumn<bool>("portable");
    QTest::newRow("a folder of the teacher's own") << u"ミルネ 2002"_s << true;
    QTest::newRow("with its settings file already there") << u"with-ini"_s << true;
    QTest::newRow("a folder that is not there") << u"missing"_s << false;
    QTest::newRow("a file, not a folder") << u"file.txt"_s << false;
}

void FileCommandsTest::portableSettingsBesideTheProgram() {
    QFETCH(QString, folder);
    QFETCH(bool, portable);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"ミルネ 2002"_s));
    QVERIFY(QDir(dir.path()).mkdir(u"with-ini"_s));
    QVERIFY(writeBytes(dir.filePath(u"with-ini/ミルネ2002.ini"_s), "[Settings]\nMainLeft=1500\n"));
    QVERIFY(writeBytes(dir.filePath(u"file.txt"_s), "x"));
    const QString programFolder = dir.filePath(folder);

    const QString ini = portableSettingsFile(programFolder);
    QCOMPARE(ini, portable ? QDir(programFolder).filePath(u"ミルネ2002.ini"_s) : QString());
    if (folder == u"ミルネ 2002"_s) // the question leaves nothing behind
        QCOMPARE(QDir(programFolder).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (folder == u"with-ini"_s) {
        QSettings store(ini, QSettings::IniFormat);
        QCOMPARE(readMainPlacement(store).left, 1500);
    }
}

QTEST_GUILESS_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
