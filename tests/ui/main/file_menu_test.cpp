// The File menu end to end: Save As with its backup, Open, Close, New, Exit with each answer of
// the save question, the window placement, and the program started on a file.

#include "file_bytes.h"
#include "main_test_support.h"
#include "model/day_record.h"
#include "program.h"
#include "storage/data_file.h"
#include "storage/data_file_lock.h"
#include "storage/settings_store.h"
#include "ui/main/month_calendar.h"
#include "ui/main/week_grid.h"
#include "ui/wizard/frm_wiz0.h"
#include "ui/wizard/frm_wiz2.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

using mirune::test::readBytes;
using mirune::test::writeBytes;

const QString kCloseQuestion = u"閉じる前にファイルを保存しますか。"_s;
const QString kExitQuestion = u"終了前にファイルを保存しますか。"_s;

// Registers the first school day shown through the grid.
void registerMonday(frmMain *main) {
    main->showWeekOf(QDate(2026, 4, 8));
    main->weekGrid()->registerButton(0)->click();
}

} // namespace

class FileMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        initUiTestCase();
        QCoreApplication::setOrganizationName(u"mirune"_s);
    }

    // A new plan's recovery copy left by one test would be offered to the next one's new plan.
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .removeRecursively();
    }

    void saveAsKeepsABackupThenOpenAndClose() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class3.zr2"_s);
        QVERIFY(writeBytes(path, "previous contents"));
        MainFixture f;
        UiHarness &h = f.h;
        setUpPlan(h.state);
        frmMain *main = openMain(h);
        registerMonday(main);
        MIRUNE_FIND(save, QAction, main, u"mnuFileSave"_s);
        QVERIFY(!save->isVisible());

        h.dialogs.expectSaveFile(path);
        MIRUNE_TRIGGER(main, u"mnuFileSaveAs"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(h.state.strFileName, path);
        QCOMPARE(readBytes(dir.filePath(u"class3.bak"_s)), QByteArray("previous contents"));
        QCOMPARE(readBytes(path), encodeDataFile(h.state).bytes);
        QVERIFY(save->isVisible());

        // Close, answering No: an empty plan of the same year, 1 April's week shown.
        h.dialogs.expectMessage(kCloseQuestion, Dialogs::Answer::No);
        MIRUNE_TRIGGER(main, u"mnuFileClose"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(h.state.strFileName, QString());
        QCOMPARE(chainLength(*h.state.objFirstDay), 0);
        QCOMPARE(h.state.intYear, qint16(2026));
        QCOMPARE(h.state.strTeacher, u"山田　花子"_s);
        QVERIFY(h.state.strWeekCreditA[0].isEmpty());
        QCOMPARE(h.state.dateSelected, QDate(2026, 4, 1));
        QCOMPARE(main->calendar()->selectedDate(), QDate(2026, 4, 1));
        QVERIFY(!save->isVisible());

        // Open brings the file back, week of today shown.
        h.dialogs.expectOpenFile(path);
        MIRUNE_TRIGGER(main, u"mnuFileOpen"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(h.state.strFileName, path);
        QCOMPARE(chainLength(*h.state.objFirstDay), 1);
        QCOMPARE(main->weekGrid()->registerButton(0)->text(), u"取消"_s);
        QVERIFY(save->isVisible());
    }

    // A file another program has open: the teacher is told, and may open it read-only (its save
    // then asks for a name of its own, the other program's file untouched) or leave it.
    void fileOpenElsewhere_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only") << true;
        QTest::newRow("cancelled") << false;
    }
    void fileOpenElsewhere() {
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"3年2組.zr2"_s);
        {
            AppState saved;
            subInitApp(saved);
            setUpPlan(saved, 2026, u"田中　一郎"_s);
            saved.strFileName = path;
            QVERIFY(subSaveFile(saved).ok());
        }
        const QByteArray before = readBytes(path);
        DataFileLock otherProgram;
        QCOMPARE(otherProgram.lock(path), DataFileLock::Status::Held);

        MainFixture f;
        UiHarness &h = f.h;
        setUpPlan(h.state);
        frmMain *main = openMain(h);
        h.dialogs.expectOpenFile(path).expectMessage(
            u"「3年2組.zr2」はほかのミルネ2002で開かれています。"_s,
            readOnly ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        MIRUNE_TRIGGER(main, u"mnuFileOpen"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        if (!readOnly) {
            QCOMPARE(h.state.strFileName, QString());
            QCOMPARE(h.state.strTeacher, u"山田　花子"_s);
            return;
        }
        QCOMPARE(h.state.strFileName, path);
        QCOMPARE(h.state.strTeacher, u"田中　一郎"_s);
        MIRUNE_FIND(note, QLabel, main, u"lblMainNote"_s);
        QVERIFY(note->text().contains(u"読み取り専用"_s));
        registerMonday(main);
        const QString mine = dir.filePath(u"3年2組-自分.zr2"_s);
        h.dialogs.expectSaveFile(mine);
        MIRUNE_TRIGGER(main, u"mnuFileSave"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(h.state.strFileName, mine);
        QCOMPARE(readBytes(mine), encodeDataFile(h.state).bytes);
        QCOMPARE(readBytes(path), before);
    }

    // A recovery copy that cannot be written is told once, in the note and a message.
    void unprotectedWorkIsToldOnce() {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(folder + u"/recovery"_s, "a file where the copies' folder goes"));
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        f.h.dialogs.expectMessage(u"次に保存するまで守られていません"_s);
        registerMonday(main);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
        MIRUNE_FIND(note, QLabel, main, u"lblMainNote"_s);
        QVERIFY(note->text().contains(u"回復用のコピーを"_s));
        MIRUNE_CLICK(main->weekGrid()->registerButton(1));
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs); // not told again
        QFile::remove(folder + u"/recovery"_s);
    }

    void saveAsToANewNameAndANameWithoutDot() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"2026.年度"_s));
        const QString path = dir.filePath(u"2026.年度/class3"_s);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        f.h.dialogs.expectSaveFile(path);
        QVERIFY(main->fileSaveAs());
        QVERIFY(QFile::exists(path));
        QCOMPARE(QDir(dir.filePath(u"2026.年度"_s)).entryList(QDir::Files),
                 QStringList{u"class3"_s});
        // Again over it: the backup goes beside it, not beside the folder.
        f.h.dialogs.expectSaveFile(path);
        QVERIFY(main->fileSaveAs());
        QVERIFY(QFile::exists(dir.filePath(u"2026.年度/class3.bak"_s)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    void failingOpenKeepsThePlan_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a data file")
            << QByteArray("hello\r\n") << u"データファイルではありません"_s;
        // The header and the year, then the file ends in the class settings.
        QTest::newRow("fails after its header")
            << QByteArray("\x83\x67\x83\x8f\x83\x89\r\n2026\r\n")
            << u"行目を読み込めませんでした"_s;
    }

    void failingOpenKeepsThePlan() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"broken.zr2"_s);
        QVERIFY(writeBytes(path, contents));
        MainFixture f;
        UiHarness &h = f.h;
        setUpPlan(h.state);
        frmMain *main = openMain(h);
        registerMonday(main);
        const QByteArray before = encodeDataFile(h.state).bytes;
        h.dialogs.expectOpenFile(path).expectMessage(message);
        MIRUNE_TRIGGER(main, u"mnuFileOpen"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(encodeDataFile(h.state).bytes, before);
        QCOMPARE(h.state.strFileName, QString());
        QCOMPARE(main->weekGrid()->registerButton(0)->text(), u"取消"_s);
    }

    void closeWithEachAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("No") << u"No"_s << true << false;
        QTest::newRow("Yes, saved") << u"Yes"_s << true << true;
        QTest::newRow("Yes, save dialog cancelled") << u"YesCancel"_s << false << false;
        QTest::newRow("Yes, save fails") << u"YesFail"_s << false << false;
    }

    void closeWithEachAnswer() {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.zr2"_s);
        MainFixture f;
        UiHarness &h = f.h;
        setUpPlan(h.state);
        frmMain *main = openMain(h);
        registerMonday(main);
        scriptSaveQuestion(h, kCloseQuestion, answer, path, dir.path());
        QCOMPARE(main->fileClose(), closed);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(chainLength(*h.state.objFirstDay), closed ? 0 : 1);
        QCOMPARE(QFile::exists(path), saved);
    }

    void closeWithoutAYearAsksNothing() {
        MainFixture f;
        frmMain *main = openMain(f.h);
        QVERIFY(main->fileClose());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    void newClosesThenOpensTheClassPage() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        f.h.dialogs.expectMessage(kCloseQuestion, Dialogs::Answer::No);
        MIRUNE_TRIGGER(main, u"mnuFileNew"_s);
        QVERIFY(f.h.windows.find<frmWiz2>());
        // Kept on a refused save, with no class page.
        f.h.windows.find<frmWiz2>()->close();
        QTRY_VERIFY(!f.h.windows.find<frmWiz2>());
        f.h.dialogs.expectMessage(kCloseQuestion, Dialogs::Answer::Yes).expectSaveFile(QString());
        QVERIFY(!main->fileNew());
        QVERIFY(!f.h.windows.find<frmWiz2>());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    void exitWithEachAnswer_data() { closeWithEachAnswer_data(); }

    void exitWithEachAnswer() {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.zr2"_s);
        MainFixture f;
        UiHarness &h = f.h;
        setUpPlan(h.state);
        QPointer<frmMain> main = openMain(h);
        registerMonday(main);
        scriptSaveQuestion(h, kExitQuestion, answer, path, dir.path());
        MIRUNE_TRIGGER(main.data(), u"mnuFileExit"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(QFile::exists(path), saved);
        if (closed) {
            QTRY_VERIFY(main.isNull());
        } else {
            QVERIFY(main->isVisible());
            QCOMPARE(chainLength(*h.state.objFirstDay), 1);
        }
    }

    void closeButtonAsksOnce() {
        MainFixture f;
        setUpPlan(f.h.state);
        QPointer<frmMain> main = openMain(f.h);
        f.h.dialogs.expectMessage(kExitQuestion, Dialogs::Answer::Yes).expectSaveFile(QString());
        QVERIFY(!main->close()); // the save dialog was cancelled: the window stays
        QVERIFY(main->isVisible());
        f.h.dialogs.expectMessage(kExitQuestion, Dialogs::Answer::No);
        QVERIFY(main->close());
        QTRY_VERIFY(main.isNull());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    void exitClosesTheOtherWindows() {
        MainFixture f;
        QPointer<frmMain> main = openMain(f.h);
        QPointer<frmWiz2> page = f.h.windows.open<frmWiz2>();
        MIRUNE_TRIGGER(main.data(), u"mnuFileExit"_s);
        QTRY_VERIFY(main.isNull());
        QTRY_VERIFY(page.isNull());
    }

    void placementRoundTrip() {
        {
            auto store = openSettingsStore();
            store->remove(u"Settings"_s);
        }
        {
            MainFixture f;
            QPointer<frmMain> main = openMain(f.h);
            QVERIFY(QTest::qWaitForWindowExposed(main));
            // Nothing stored: 1000 twips from the screen's corner.
            QCOMPARE(main->frameGeometry().topLeft(), QPoint(1000 / 15, 1000 / 15));
            main->move(120, 90);
            QVERIFY(main->close());
            QTRY_VERIFY(main.isNull());
        }
        auto store = openSettingsStore();
        const MainPlacement stored = readMainPlacement(*store);
        QCOMPARE(stored.left, 120 * 15);
        QCOMPARE(stored.top, 90 * 15);
        QVERIFY(stored.width >= 13500);
        QVERIFY(stored.height >= 9495);
        {
            MainFixture f;
            QPointer<frmMain> main = openMain(f.h);
            QCOMPARE(main->frameGeometry().topLeft(), QPoint(120, 90));
            // Minimized, the placement stored before stays.
            main->move(300, 300);
            main->showMinimized();
            QVERIFY(main->close());
            QTRY_VERIFY(main.isNull());
        }
        QCOMPARE(readMainPlacement(*store).left, 120 * 15);
    }

    // The captions are the windows' own: the program sets no display name that the platform
    // would add to them, and the main window starts without a warning from its calendar.
    void captionsAreTheWindowsOwn() {
        QTest::failOnWarning(QRegularExpression(u"Negative sizes"_s));
        const QString name = QCoreApplication::applicationName();
        const QString organization = QCoreApplication::organizationName();
        app::setUpApplication();
        QCoreApplication::setApplicationName(u"probe"_s);
        QCOMPARE(QGuiApplication::applicationDisplayName(), u"probe"_s);
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setOrganizationName(organization);

        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QCOMPARE(main->windowTitle(), u"ミルネ2002 Ver2.2.4"_s);
        MIRUNE_TRIGGER(main, u"mnuViewShowTimeTable"_s);
        QCOMPARE(f.h.windows.openWindows().back()->windowTitle(), u"時数集計表"_s);
        MIRUNE_TRIGGER(main, u"mnuFilePrint"_s);
        QCOMPARE(f.h.windows.openWindows().back()->windowTitle(), u"印刷する表を選んでください"_s);
    }

    void programStartsOnAFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class.zr2"_s);
        {
            AppState state;
            subInitApp(state);
            setUpPlan(state);
            state.objFirstDay->appendDay(
                makeRegisteredDay(QDate(2026, 4, 6), u"国国国国国国国国"_s, u"13333200"_s));
            state.strFileName = path;
            QVERIFY(subSaveFile(state).ok());
        }
        QPointer<frmMain> main;
        {
            app::Program program;
            main = program.start(path);
            QVERIFY(main);
            QVERIFY(QTest::qWaitForWindowExposed(main));
            main->activated();
            QVERIFY(QApplication::topLevelWidgets().contains(main.data()));
            for (QWidget *w : QApplication::topLevelWidgets())
                QVERIFY(!qobject_cast<frmWiz0 *>(w) || !w->isVisible());
            MIRUNE_FIND(status, QLabel, main.data(), u"sbStatusBar_1"_s);
            QVERIFY(status->text().startsWith(u"2026年　3年1組"_s));
            MIRUNE_FIND(save, QAction, main.data(), u"mnuFileSave"_s);
            QVERIFY(save->isVisible());
        }
        // The program closed its windows as it ended, without asking.
        QTRY_VERIFY(main.isNull());
    }

  private:
    // Queues the answers to a save question: No; Yes and a save that works; Yes and a
    // cancelled save dialog; Yes and a save that fails (the path is a folder).
    static void scriptSaveQuestion(UiHarness &h, const QString &question, const QString &answer,
                                   const QString &path, const QString &folder) {
        if (answer == u"No"_s) {
            h.dialogs.expectMessage(question, Dialogs::Answer::No);
        } else if (answer == u"Yes"_s) {
            h.dialogs.expectMessage(question, Dialogs::Answer::Yes).expectSaveFile(path);
        } else if (answer == u"YesCancel"_s) {
            h.dialogs.expectMessage(question, Dialogs::Answer::Yes).expectSaveFile(QString());
        } else {
            h.dialogs.expectMessage(question, Dialogs::Answer::Yes)
                .expectSaveFile(folder)
                .expectMessage(u"保存できませんでした"_s);
        }
    }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
