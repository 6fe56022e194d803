// The teacher's work in the main window is kept: lessons entered and not registered survive the
// settings pages, the note under the calendar follows the holidays, and each activation leaves
// the window ready for the keyboard.

#include "main_test_support.h"
#include "model/teacher_holidays.h"
#include "model/week_view.h"
#include "ui/main/month_calendar.h"
#include "ui/main/week_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

// Wednesday 8 April 2026, period 1: 国語 in timetable A.
constexpr int kWednesday = 2;
const int kEntered = cellIndex(kWednesday, 1);

// Puts 家庭 into Wednesday's period 1, as the teacher does with the mouse.
bool enterHomeEconomics(frmMain *main) {
    SubjectButton *palette = paletteButton(main, u"家庭"_s);
    SubjectButton *cell = main->weekGrid()->cell(kEntered);
    if (!palette || !cell->isVisible())
        return false;
    QTest::mouseClick(palette, Qt::LeftButton);
    QTest::mouseClick(cell, Qt::LeftButton);
    return cell->subjectName() == u"家庭"_s;
}

QLabel *noteLine(frmMain *main) {
    return main->findChild<QLabel *>(u"lblMainNote"_s);
}

} // namespace

class KeepingWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    // Each settings page of the menu, left with 設定の終了 without changing anything, leaves the
    // lessons entered in the week as they were.
    void entriesSurviveAPageThatChangesNothing_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("finish");
        QTest::newRow("学級と休日の変更") << u"mnuEditModifyHoliday"_s << u"cmdWiz2Cancel"_s;
        QTest::newRow("特別な休日の変更") << u"mnuEditModifySpecial"_s << u"cmdWiz3Cancel"_s;
        QTest::newRow("週間時間割 A の変更") << u"mnuEditModifyWeekA"_s << u"cmdWiz5Cancel"_s;
        QTest::newRow("週間時間割 B の変更") << u"mnuEditModifyWeekB"_s << u"cmdWiz5Cancel"_s;
        QTest::newRow("年間授業計画の変更") << u"mnuEditModifyYear"_s << u"cmdWiz4Cancel"_s;
    }
    void entriesSurviveAPageThatChangesNothing() {
        QFETCH(QString, menu);
        QFETCH(QString, finish);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(enterHomeEconomics(main));
        MIRUNE_TRIGGER(main, menu);
        QWidget *page = f.h.windows.openWindows().back();
        QVERIFY(page != main);
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QPointer<QWidget> pageAlive = page;
        MIRUNE_FIND(button, QPushButton, page, finish);
        MIRUNE_CLICK(button);
        QTRY_VERIFY(pageAlive.isNull());
        main->activated();
        WeekGrid *grid = main->weekGrid();
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);
        QVERIFY(grid->isColumnEdited(kWednesday));
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(), u"国語"_s);
        QVERIFY(!noteLine(main)->isVisible());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    // A timetable or holiday that really changed: the days not touched follow it, the day being
    // entered keeps its lessons and the note line says so; choosing the date again shows the
    // new timetable. A day with entries that became a holiday is named in the note.
    void realChangesKeepEntriesAndSaySo() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        QVERIFY(enterHomeEconomics(main));
        int weekday = 0;
        for (ZuriDayTime *d = f.h.state.objWeekPlanA->objFirstDay.get(); d;
             d = d->objNextDay.get(), ++weekday)
            d->strSubject = u"音音音音音音音音"_s;
        f.h.tell(PlanChange::Timetables);
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(), u"音楽"_s);
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);
        QCOMPARE(grid->cell(cellIndex(kWednesday, 2))->subjectName(), u"算数"_s);
        QVERIFY(noteLine(main)->isVisible());
        QVERIFY(
            noteLine(main)->text().contains(u"4／8(水) は入力中の授業をそのまま残しています"_s));

        // Thursday entered, then made a holiday: its column goes and the note names it.
        MIRUNE_CLICK(grid->cell(cellIndex(3, 1)));
        QCOMPARE(grid->cell(cellIndex(3, 1))->subjectName(), u"家庭"_s);
        QCOMPARE(f.h.document.addTeacherHoliday(QDate(2026, 4, 9)), AddHolidayResult::Added);
        QVERIFY(!grid->registerButton(3)->isVisible());
        QVERIFY(noteLine(main)->text().contains(u"4／9(木) は休日になったため"_s));
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);

        // Choosing the date again keeps what is being entered; この日の入力を取り消す puts the
        // day back to the timetable, and 元に戻す brings the entries back.
        QVERIFY(clickDate(main->calendar(), QDate(2026, 4, 8)));
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);
        QVERIFY(!noteLine(main)->isVisible());
        MIRUNE_TRIGGER(main, u"mnuRecordClearDay"_s);
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"音楽"_s);
        QVERIFY(!grid->isColumnEdited(kWednesday));
        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);
    }

    // Entered lessons stay with the open year: another week and back shows them, and switching
    // to timetable B redraws only the untouched days, naming the day that kept its entries.
    // 元に戻す of the entry from another week brings the week back into view.
    void entriesSurviveWeeksAndTheTimetableSwitch() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        QVERIFY(enterHomeEconomics(main));

        QVERIFY(clickDate(main->calendar(), QDate(2026, 4, 15)));
        QCOMPARE(grid->dateColumnDay()[kWednesday], QDate(2026, 4, 15));
        QVERIFY(!grid->isColumnEdited(kWednesday));
        QVERIFY(clickDate(main->calendar(), QDate(2026, 4, 8)));
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);
        QVERIFY(grid->isColumnEdited(kWednesday));

        MIRUNE_FIND(optionB, QRadioButton, main, u"Option1_1"_s);
        MIRUNE_CLICK(optionB);
        QCOMPARE(grid->cell(kEntered)->subjectName(), u"家庭"_s);
        // Monday follows B, whose Monday row is A's Tuesday.
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(),
                 fncSubjectFullName(timetableSubjects(1)[1]));
        QVERIFY(noteLine(main)->isVisible());
        QVERIFY2(
            noteLine(main)->text().contains(u"4／8(水) は入力中の授業をそのまま残しています"_s),
            qPrintable(noteLine(main)->text()));

        QVERIFY(clickDate(main->calendar(), QDate(2026, 4, 15)));
        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(grid->dateColumnDay()[kWednesday], QDate(2026, 4, 8));
        QCOMPARE(grid->cell(kEntered)->subjectName(), fncSubjectFullName(timetableSubjects(3)[1]));
        QVERIFY(noteLine(main)->text().contains(u"元に戻しました"_s));
    }

    // The day's note under the calendar follows every change of the holidays.
    void dayNoteFollowsTheHolidays() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        MIRUNE_FIND(note, QLabel, main, u"lblDayNote"_s);
        main->showWeekOf(QDate(2026, 4, 9));
        QCOMPARE(note->text(), u"4月9日(木) 授業日"_s);
        QCOMPARE(f.h.document.addTeacherHoliday(QDate(2026, 4, 9)), AddHolidayResult::Added);
        QVERIFY2(note->text().startsWith(u"4月9日(木) "_s) && note->text().endsWith(u" 休日"_s),
                 qPrintable(note->text()));
        QVERIFY(f.h.document.removeTeacherHoliday(QDate(2026, 4, 9)));
        QCOMPARE(note->text(), u"4月9日(木) 授業日"_s);
        // A vacation moved over the day by the class page.
        setHolidayDate(f.h.state, 4, QDate(2026, 12, 10));
        main->showWeekOf(QDate(2026, 12, 10));
        QVERIFY(note->text().endsWith(u" 休日"_s));
        setHolidayDate(f.h.state, 4, QDate(2026, 12, 25));
        f.h.tell(PlanChange::Holidays);
        QCOMPARE(note->text(), u"12月10日(木) 授業日"_s);
    }

    // After a week is drawn the last school day's register button has the focus, so Space
    // registers it; each activation closes the length chooser and forgets its choice.
    void focusAndChooserOnActivation_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("focused");
        QTest::newRow("a whole week") << QDate(2026, 4, 8) << 4;
        QTest::newRow("Friday the first day of the winter vacation") << QDate(2026, 12, 21) << 3;
    }
    void focusAndChooserOnActivation() {
        QFETCH(QDate, date);
        QFETCH(int, focused);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowActive(main));
        WeekGrid *grid = main->weekGrid();
        QCOMPARE(main->focusWidget(), grid->registerButton(4)); // the week of today
        QVERIFY(clickDate(main->calendar(), date));
        QCOMPARE(main->focusWidget(), grid->registerButton(focused));

        MIRUNE_CLICK(grid->lengthLabel(cellIndex(0, 2)));
        QVERIFY(grid->lengthChooser()->isVisible());
        QCOMPARE(grid->chooserCell(), cellIndex(0, 2));
        main->activated();
        QVERIFY(!grid->lengthChooser()->isVisible());
        QCOMPARE(grid->lengthChooser()->currentIndex(), -1);
        QCOMPARE(grid->chooserCell(), -1);

        main->showWeekOf(date);
        QTest::keyClick(main->focusWidget(), Qt::Key_Space);
        QCOMPARE(grid->registerButton(focused)->text(), u"取消"_s);
    }

    // Moving the chosen day with the keyboard keeps the focus on the calendar.
    void keyboardOnTheCalendarKeepsTheFocus() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowActive(main));
        main->calendar()->setFocus(Qt::TabFocusReason);
        QWidget *sheet = QApplication::focusWidget();
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(sheet, Qt::Key_Right);
        QCOMPARE(main->calendar()->selectedDate(), QDate(2026, 4, 15));
        QCOMPARE(main->weekGrid()->dateColumnDay()[0], QDate(2026, 4, 13));
        QCOMPARE(QApplication::focusWidget(), sheet);
    }
};

QTEST_MAIN(KeepingWorkTest)
#include "keeping_work_test.moc"
