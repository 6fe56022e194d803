// Nothing typed is lost on the way out: a value typed on a settings page counts the moment it is
// typed (the save on the way out and the recovery copy hold it, 元に戻す takes it back), a
// character the data file cannot carry is refused where it is typed, and lessons entered for a
// day not registered are named by the save questions, which offer to stay.

#include "file_bytes.h"
#include "main_test_support.h"
#include "model/week_view.h"
#include "storage/data_file.h"
#include "storage/file_commands.h"
#include "ui/main/week_grid.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz4.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

using mirune::test::readBytes;

const QString kExitQuestion = u"終了前にファイルを保存しますか。"_s;
const QString kCloseQuestion = u"閉じる前にファイルを保存しますか。"_s;

// The plan saved as a file of its own, and the main window on it.
frmMain *openSavedPlan(UiHarness &h, const QString &path) {
    setUpPlan(h.state);
    frmMain *main = openMain(h);
    return h.document.saveAs(path).ok() ? main : nullptr;
}

// The state a file holds.
AppState readBack(const QString &path) {
    AppState state;
    subInitApp(state);
    subOpenFile(state, path);
    return state;
}

} // namespace

class UnsavedWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        initUiTestCase();
        QCoreApplication::setOrganizationName(u"mirune"_s);
    }
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .removeRecursively();
    }

    // A value typed into a page that is still open when the teacher answers 終了 → はい is in
    // the file, and in the recovery copy from the moment it was typed.
    void typedValueIsSavedOnTheWayOut_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("the teacher")
            << u"mnuEditModifyHoliday"_s << u"txtWiz1Teacher"_s << u"Suzuki"_s;
        QTest::newRow("the class") << u"mnuEditModifyHoliday"_s << u"cboWiz1Class_1"_s << u"4"_s;
        QTest::newRow("a plan figure")
            << u"mnuEditModifyYear"_s << u"txtWiz4YearPlan_%1"_s.arg(planTermBox(2, 0))
            << u"41.2"_s;
    }
    void typedValueIsSavedOnTheWayOut() {
        QFETCH(QString, menu);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"3年1組.zr2"_s);
        MainFixture f;
        QPointer<frmMain> main = openSavedPlan(f.h, path);
        QVERIFY(main);
        const AppState saved = readBack(path);

        MIRUNE_TRIGGER(main.data(), menu);
        QWidget *page = f.h.windows.openWindows().back();
        QVERIFY(QTest::qWaitForWindowActive(page));
        QLineEdit *edit = page->findChild<QLineEdit *>(box);
        if (!edit)
            if (auto *combo = page->findChild<QComboBox *>(box))
                edit = combo->lineEdit();
        QVERIFY2(edit, qPrintable(box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        // Counted at once: one step, and the recovery copy holds it.
        QCOMPARE(f.h.document.undoStack()->count(), 1);
        const QString copy = f.h.document.ownCopyPath();
        QCOMPARE(readBytes(copy), encodeDataFile(f.h.state).bytes);

        f.h.dialogs.expectMessage(kExitQuestion, Dialogs::Answer::Yes);
        MIRUNE_TRIGGER(main.data(), u"mnuFileExit"_s);
        QTRY_VERIFY(main.isNull());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
        const AppState written = readBack(path);
        if (box == u"txtWiz1Teacher")
            QCOMPARE(written.strTeacher, typed);
        else if (box == u"cboWiz1Class_1")
            QCOMPARE(written.strClass, typed);
        else
            QCOMPARE(written.objSeasonPlan->terms()[0]->hours[planRowField(2)],
                     *fncTextToUnits(typed));
        QVERIFY(saved.strTeacher != written.strTeacher || saved.strClass != written.strClass ||
                saved.objSeasonPlan->hours != written.objSeasonPlan->hours);
        // Saved on the way out: nothing is left to recover.
        QVERIFY(!QFile::exists(copy));
    }

    // The name typed on the class page is one step of 元に戻す, taken back from the main window;
    // the page shows the name as it was again.
    void typedNameIsOneStep() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QPointer<frmWiz2> page = f.h.windows.open<frmWiz2>();
        QVERIFY(QTest::qWaitForWindowActive(page));
        MIRUNE_FIND(teacher, QLineEdit, page.data(), u"txtWiz1Teacher"_s);
        const QString before = teacher->text();
        teacher->setFocus();
        teacher->end(false);
        // As an input method gives them: one character committed at a time.
        teacher->insert(u"先"_s);
        teacher->insert(u"生"_s);
        QCOMPARE(f.h.state.strTeacher, before + u"先生"_s);
        QCOMPARE(f.h.document.undoStack()->count(), 1);
        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(f.h.state.strTeacher, before);
        QCOMPARE(teacher->text(), before);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    // A character the file cannot carry is refused as it is typed, naming the box; the rest of
    // the text stays and is taken.
    void unwritableCharacterRefusedWhereTyped_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("field");
        QTest::newRow("the teacher") << u"txtWiz1Teacher"_s << u"「担任」"_s;
        QTest::newRow("the class") << u"cboWiz1Class_1"_s << u"「組」"_s;
    }
    void unwritableCharacterRefusedWhereTyped() {
        QFETCH(QString, box);
        QFETCH(QString, field);
        MainFixture f;
        setUpPlan(f.h.state);
        openMain(f.h);
        QPointer<frmWiz2> page = f.h.windows.open<frmWiz2>();
        QVERIFY(QTest::qWaitForWindowActive(page));
        QLineEdit *edit = page->findChild<QLineEdit *>(box);
        if (!edit)
            edit = page->findChild<QComboBox *>(box)->lineEdit();
        QVERIFY(edit);
        edit->setFocus();
        edit->clear();
        // Named with its number too: a font without the character shows a box.
        f.h.dialogs.expectMessage(field +
                                  u"には、データファイルに保存できない文字 𠮷（U+20BB7）"_s);
        edit->insert(u"𠮷田"_s);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
        QCOMPARE(edit->text(), u"田"_s);
        QCOMPARE(box == u"txtWiz1Teacher" ? f.h.state.strTeacher : f.h.state.strClass, u"田"_s);
        QVERIFY(encodeDataFile(f.h.state).error.isEmpty());
    }

    // Lessons entered for a day not registered cannot be saved: 閉じる and 終了 name the days and
    // offer キャンセル, which keeps them to be registered.
    void enteredLessonsAreNamedByTheSaveQuestions_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("question");
        QTest::newRow("閉じる") << u"mnuFileClose"_s << kCloseQuestion;
        QTest::newRow("終了") << u"mnuFileExit"_s << kExitQuestion;
    }
    void enteredLessonsAreNamedByTheSaveQuestions() {
        QFETCH(QString, menu);
        QFETCH(QString, question);
        MainFixture f;
        setUpPlan(f.h.state);
        QPointer<frmMain> main = openMain(f.h);
        WeekGrid *grid = main->weekGrid();
        main->showWeekOf(QDate(2026, 4, 8));
        MIRUNE_CLICK(paletteButton(main, u"家庭"_s));
        MIRUNE_CLICK(grid->cell(cellIndex(2, 1)));
        MIRUNE_CLICK(grid->cell(cellIndex(3, 1)));
        QCOMPARE(f.h.document.enteredDays(), (QList<QDate>{{2026, 4, 8}, {2026, 4, 9}}));

        f.h.dialogs.expectMessage(u"4／8(水)、4／9(木) に入力した授業は、まだ登録していない"_s,
                                  Dialogs::Answer::Cancel);
        MIRUNE_TRIGGER(main.data(), menu);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
        QVERIFY(f.h.dialogs.messagesShown().front().contains(question));
        QVERIFY(main && main->isVisible());
        QCOMPARE(f.h.document.enteredDays().size(), 2);

        // Registered, the question is the plain one again.
        MIRUNE_CLICK(grid->registerButton(2));
        MIRUNE_CLICK(grid->registerButton(3));
        f.h.dialogs.reset();
        f.h.dialogs.expectMessage(question, Dialogs::Answer::No);
        MIRUNE_TRIGGER(main.data(), menu);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
        QVERIFY(!f.h.dialogs.messagesShown().front().contains(u"入力した授業"_s));
    }
};

QTEST_MAIN(UnsavedWorkTest)
#include "unsaved_work_test.moc"
