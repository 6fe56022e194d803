// The recovery copy in the program: written after a registration, offered and restored on the
// next start after a run that did not end normally, removed by a save and by the exit question,
// deleted only after a second yes, and kept aside when it cannot be read. A killed program is a
// program whose exit path never ran: its windows are dropped without the save question.

#include "main_test_support.h"
#include "model/day_record.h"
#include "program.h"
#include "storage/data_file.h"
#include "storage/recovery_copy.h"
#include "ui/main/week_grid.h"
#include "ui/wizard/frm_wiz0.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

const QString kOffer = u"前回、保存されずに終了した内容があります。復元しますか。"_s;
const QString kConfirmDiscard = u"前回の保存されなかった内容を削除します。"_s;
const QDate kMonday(2026, 4, 6);

// A plan saved to `path`, as the teacher left it last time.
bool savePlan(const QString &path) {
    AppState state;
    subInitApp(state);
    setUpPlan(state);
    state.strFileName = path;
    return subSaveFile(state).ok();
}

// Starts the program on a file, registers Monday 6 April and is killed: the exit path never
// runs.
bool registerAndDie(const QString &path) {
    ScriptedDialogs dialogs;
    app::Program program(&dialogs);
    frmMain *main = program.start(path);
    main->showWeekOf(kMonday);
    main->weekGrid()->registerButton(0)->click();
    return program.state().objFirstDay->searchDay(kMonday) && dialogs.verify().isEmpty();
}

// Begins a new plan without a file, registers Monday 6 April and is killed.
void newPlanAndDie() {
    MainFixture f;
    setUpPlan(f.h.state);
    frmMain *main = openMain(f.h);
    main->showWeekOf(kMonday);
    main->weekGrid()->registerButton(0)->click();
}

enum class Way { Start, WizardExistingFile, OpenAfterClose, WizardNewPlan, MenuNewPlan };

} // namespace

Q_DECLARE_METATYPE(Way)

class RecoveryTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        initUiTestCase();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"mirune"_s);
    }

    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .removeRecursively();
    }

    void restoredAfterAKillThenRemovedBySave() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class.zr2"_s);
        QVERIFY(savePlan(path));
        QVERIFY(!fncHasPendingRecoveryCopy(path));
        QVERIFY(registerAndDie(path));
        QVERIFY(fncHasPendingRecoveryCopy(path));

        ScriptedDialogs dialogs;
        dialogs.expectMessage(kOffer, Dialogs::Answer::Yes);
        app::Program program(&dialogs);
        frmMain *main = program.start(path);
        QVERIFY(program.state().objFirstDay->searchDay(kMonday));
        QCOMPARE(program.state().strFileName, path);
        MIRUNE_FIND(note, QLabel, main, u"lblMainNote"_s);
        QVERIFY(note->text().contains(u"復元しました"_s));
        // The file itself is as it was until the teacher saves.
        AppState onDisk;
        subInitApp(onDisk);
        onDisk.strFileName = path;
        QVERIFY(subLoadFile(onDisk).ok());
        QVERIFY(!onDisk.objFirstDay->searchDay(kMonday));

        MIRUNE_TRIGGER(main, u"mnuFileSave"_s);
        QVERIFY(!fncHasPendingRecoveryCopy(path));
        QVERIFY(!QFile::exists(fncRecoveryCopyPath(path)));
        MIRUNE_VERIFY_DIALOGS(dialogs);
    }

    // いいえ keeps the file; the copy goes only after a second yes, else it is kept beside the
    // file under a name of its own, where the open dialog finds it.
    void declinedCopyIsDeletedOnlyAfterASecondYes_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("deleted") << true;
        QTest::newRow("kept for next time") << false;
    }
    void declinedCopyIsDeletedOnlyAfterASecondYes() {
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class.zr2"_s);
        QVERIFY(savePlan(path));
        QVERIFY(registerAndDie(path));
        ScriptedDialogs dialogs;
        dialogs.expectMessage(kOffer, Dialogs::Answer::No)
            .expectMessage(kConfirmDiscard, confirm ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        if (!confirm)
            dialogs.expectMessage(u"次のファイルに残しました"_s);
        {
            app::Program program(&dialogs);
            program.start(path);
            QCOMPARE(program.state().strFileName, path);
            QCOMPARE(program.state().intYear, qint16(2026));
            QVERIFY(!program.state().objFirstDay->searchDay(kMonday));
        }
        QVERIFY(!fncHasPendingRecoveryCopy(path));
        const QStringList kept = QDir(dir.path()).entryList({u"class-前回の内容-*.zr2"_s});
        QCOMPARE(kept.size(), confirm ? 0 : 1);
        if (!confirm) {
            QVERIFY(dialogs.messagesShown().last().contains(dir.filePath(kept.front())));
            AppState restored;
            subInitApp(restored);
            restored.strFileName = dir.filePath(kept.front());
            QVERIFY(subLoadFile(restored).ok());
            QVERIFY(restored.objFirstDay->searchDay(kMonday));
        }
        MIRUNE_VERIFY_DIALOGS(dialogs);
    }

    // Leaving through the exit question (any answer that ends the program) leaves nothing to
    // recover.
    void exitQuestionRemovesTheCopy() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class.zr2"_s);
        QVERIFY(savePlan(path));
        ScriptedDialogs dialogs;
        dialogs.expectMessage(u"終了前にファイルを保存しますか。"_s, Dialogs::Answer::No);
        app::Program program(&dialogs);
        QPointer<frmMain> main = program.start(path);
        main->showWeekOf(kMonday);
        MIRUNE_CLICK(main->weekGrid()->registerButton(0));
        QVERIFY(fncHasPendingRecoveryCopy(path));
        MIRUNE_TRIGGER(main.data(), u"mnuFileExit"_s);
        QTRY_VERIFY(main.isNull());
        QVERIFY(!fncHasPendingRecoveryCopy(path));
        MIRUNE_VERIFY_DIALOGS(dialogs);
    }

    // A copy that cannot be read is moved aside, named in a message, and the file opens.
    void unreadableCopyIsKeptAside() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class.zr2"_s);
        QVERIFY(savePlan(path));
        QVERIFY(registerAndDie(path));
        const QString copy = fncRecoveryCopyPath(path);
        {
            QFile broken(copy);
            QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
            broken.write("not a plan\r\n");
        }
        QVERIFY(fncHasPendingRecoveryCopy(path));
        ScriptedDialogs dialogs;
        dialogs.expectMessage(kOffer, Dialogs::Answer::Yes)
            .expectMessage(u"読むことができませんでした"_s);
        app::Program program(&dialogs);
        program.start(path);
        QCOMPARE(program.state().strFileName, path);
        QCOMPARE(program.state().intYear, qint16(2026));
        QVERIFY(!program.state().objFirstDay->searchDay(kMonday));
        QVERIFY(!QFile::exists(copy));
        const QStringList shown = dialogs.messagesShown();
        QVERIFY(!shown.isEmpty());
        const QString aside = shown.last().section(u'\n', 1, 1);
        QVERIFY2(QFile::exists(aside), qPrintable(shown.last()));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not a plan\r\n"));
        MIRUNE_VERIFY_DIALOGS(dialogs);
    }

    // A new plan without a file has its copy too, offered at a start without a file.
    void newPlanWithoutAFile() {
        {
            MainFixture f;
            setUpPlan(f.h.state);
            frmMain *main = openMain(f.h);
            main->showWeekOf(kMonday);
            MIRUNE_CLICK(main->weekGrid()->registerButton(0));
            QVERIFY(fncHasPendingRecoveryCopy(QString()));
        }
        MainFixture f;
        f.h.dialogs.expectMessage(kOffer, Dialogs::Answer::Yes);
        frmMain *main = openMain(f.h);
        QCOMPARE(main->offerRecovery(QString()), frmMain::Recovery::Restored);
        QCOMPARE(f.h.state.intYear, qint16(2026));
        QVERIFY(f.h.state.objFirstDay->searchDay(kMonday));
        QVERIFY(f.h.state.strFileName.isEmpty());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    // Every way into a plan offers the copy waiting for it: the file named at start, the
    // wizard's 既存のファイル, ファイル → 開く after 閉じる, and a new plan begun in the wizard or
    // from the menu. はい restores the day the killed run registered.
    void everyWayOfOpeningOffersTheCopy_data() {
        QTest::addColumn<Way>("way");
        QTest::newRow("start with the file") << Way::Start;
        QTest::newRow("wizard, existing file") << Way::WizardExistingFile;
        QTest::newRow("File, Open after Close") << Way::OpenAfterClose;
        QTest::newRow("wizard, new plan") << Way::WizardNewPlan;
        QTest::newRow("File, New") << Way::MenuNewPlan;
    }
    void everyWayOfOpeningOffersTheCopy() {
        QFETCH(Way, way);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"class.zr2"_s);
        const QString other = dir.filePath(u"other.zr2"_s);
        QVERIFY(savePlan(path));
        QVERIFY(savePlan(other));
        const bool newPlan = way == Way::WizardNewPlan || way == Way::MenuNewPlan;
        if (newPlan)
            newPlanAndDie();
        else
            QVERIFY(registerAndDie(path));

        ScriptedDialogs dialogs;
        app::Program program(&dialogs);
        frmMain *main = nullptr;
        switch (way) {
        case Way::Start:
            dialogs.expectMessage(kOffer, Dialogs::Answer::Yes);
            main = program.start(path);
            break;
        case Way::WizardExistingFile:
        case Way::WizardNewPlan: {
            // The start without a file offers a new plan's copy at once; the wizard's own offer
            // is what is tried here, so the start's is answered "not now, keep it".
            if (newPlan)
                dialogs.expectMessage(kOffer, Dialogs::Answer::No)
                    .expectMessage(kConfirmDiscard, Dialogs::Answer::No)
                    .expectMessage(u"次のファイルに残しました"_s);
            main = program.start();
            QTRY_VERIFY(openWindow<frmWiz0>());
            frmWiz0 *wizard = openWindow<frmWiz0>();
            if (newPlan) {
                MIRUNE_VERIFY_DIALOGS(dialogs);
                // The kept copy goes back where a waiting copy lies, as a crash leaves it.
                const QStringList kept =
                    QDir(QFileInfo(fncRecoveryCopyPath(QString())).absolutePath())
                        .entryList({u"新しい計画-前回の内容-*.zr2"_s});
                QCOMPARE(kept.size(), 1);
                const QString folder = QFileInfo(fncRecoveryCopyPath(QString())).absolutePath();
                QVERIFY(
                    QFile::rename(folder + u'/' + kept.front(), fncRecoveryCopyPath(QString())));
            } else {
                MIRUNE_FIND(existing, QRadioButton, wizard, u"optWiz0NewOrOld_1"_s);
                existing->setChecked(true);
                dialogs.expectOpenFile(path);
            }
            dialogs.expectMessage(kOffer, Dialogs::Answer::Yes);
            MIRUNE_FIND(next, QPushButton, wizard, u"cmdWiz0Next"_s);
            MIRUNE_CLICK(next);
            break;
        }
        case Way::OpenAfterClose:
            main = program.start(other);
            dialogs.expectMessage(u"閉じる前にファイルを保存しますか。"_s, Dialogs::Answer::No)
                .expectOpenFile(path)
                .expectMessage(kOffer, Dialogs::Answer::Yes);
            MIRUNE_TRIGGER(main, u"mnuFileClose"_s);
            MIRUNE_TRIGGER(main, u"mnuFileOpen"_s);
            break;
        case Way::MenuNewPlan:
            main = program.start(other);
            dialogs.expectMessage(u"閉じる前にファイルを保存しますか。"_s, Dialogs::Answer::No)
                .expectMessage(kOffer, Dialogs::Answer::Yes);
            MIRUNE_TRIGGER(main, u"mnuFileNew"_s);
            break;
        }
        QVERIFY(main);
        QVERIFY(program.state().objFirstDay->searchDay(kMonday));
        QCOMPARE(program.state().strFileName, newPlan ? QString() : path);
        MIRUNE_VERIFY_DIALOGS(dialogs);
        program.state().intYear = 0; // the run ends without the save question
    }

    // A run on another file leaves a new plan's copy alone, whatever it answers on its way out.
    void newPlanCopyOutlivesARunOnAnotherFile_data() {
        QTest::addColumn<bool>("saveOnExit");
        QTest::newRow("exit, いいえ") << false;
        QTest::newRow("exit, はい with no change") << true;
    }
    void newPlanCopyOutlivesARunOnAnotherFile() {
        QFETCH(bool, saveOnExit);
        QTemporaryDir dir;
        const QString other = dir.filePath(u"other.zr2"_s);
        QVERIFY(savePlan(other));
        newPlanAndDie();
        const QStringList waiting = fncNewPlanCopyPaths();
        QCOMPARE(waiting.size(), 1);
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(u"終了前にファイルを保存しますか。"_s,
                                  saveOnExit ? Dialogs::Answer::Yes : Dialogs::Answer::No);
            app::Program program(&dialogs);
            QPointer<frmMain> main = program.start(other);
            main->showWeekOf(kMonday);
            MIRUNE_CLICK(main->weekGrid()->registerButton(0));
            MIRUNE_TRIGGER(main.data(), u"mnuFileExit"_s);
            QTRY_VERIFY(main.isNull());
            MIRUNE_VERIFY_DIALOGS(dialogs);
        }
        QCOMPARE(fncNewPlanCopyPaths(), waiting);
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
