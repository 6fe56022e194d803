// The main window: start-up and the wizard, the calendar, the week view, the status line, the
// Edit, View and Help menus, accessible names.

#include "main_test_support.h"
#include "model/day_record.h"
#include "ui/common/subject_button.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/main/help_window.h"
#include "ui/main/month_calendar.h"
#include "ui/main/week_grid.h"
#include "ui/wizard/frm_wiz0.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/frm_wiz4.h"
#include "ui/wizard/frm_wiz5.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QToolButton>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    void firstActivationOpensTheWizardOnce() {
        MainFixture f;
        UiHarness &h = f.h;
        QPointer<frmMain> main = h.windows.open<frmMain>();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activated(); // the desktop activates it; offscreen it may not
        QTRY_VERIFY(h.windows.find<frmWiz0>());
        h.windows.find<frmWiz0>()->close();
        QTRY_VERIFY(!h.windows.find<frmWiz0>());
        main->activated();
        QVERIFY(!h.windows.find<frmWiz0>());
        // Before any class is set up the grid shows nothing and the status line is empty.
        MIRUNE_FIND(status, QLabel, main.data(), u"sbStatusBar_1"_s);
        QCOMPARE(status->text(), QString());
        QVERIFY(!main->weekGrid()->cell(0)->isVisible());
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void activationShowsTheWeekOfToday_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QString>("monday");
        QTest::newRow("in the year") << QDate(2026, 4, 8) << QDate(2026, 4, 8) << u"4／6(月)"_s;
        QTest::newRow("January of a later calendar year")
            << QDate(2031, 1, 20) << QDate(2027, 1, 20) << u"1／18(月)"_s;
    }

    void activationShowsTheWeekOfToday() {
        QFETCH(QDate, today);
        QFETCH(QDate, selected);
        QFETCH(QString, monday);
        MainFixture f(today);
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QCOMPARE(f.h.state.dateSelected, selected);
        QCOMPARE(f.h.state.boolDaySelected, qint16(1));
        QCOMPARE(main->calendar()->selectedDate(), selected);
        MIRUNE_FIND(heading, QLabel, main, u"Label2_0"_s);
        QCOMPARE(heading->text(), monday);
        // Another activation keeps the week shown.
        main->showWeekOf(QDate(2026, 6, 10));
        main->activated();
        QCOMPARE(f.h.state.dateSelected, QDate(2026, 6, 10));
    }

    void calendarMarksTheSchoolYear() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        MonthCalendar *calendar = main->calendar();
        QCOMPARE(calendar->minimumDate(), QDate(2026, 4, 1));
        QCOMPARE(calendar->maximumDate(), QDate(2027, 3, 31));
        QVERIFY(calendar->dayFormat(QDate(2026, 4, 8)).bold);
        const MonthView::DayFormat holiday = calendar->dayFormat(QDate(2026, 4, 29));
        QVERIFY(!holiday.bold);
        QVERIFY(holiday.redLetter);
        QCOMPARE(holiday.toolTip, u"昭和の日"_s);
        QVERIFY(!calendar->dayFormat(QDate(2026, 4, 28)).redLetter);
        QCOMPARE(calendar->dayFormat(QDate(2026, 8, 3)).toolTip, u"夏休み"_s);
        // A month turned to shows the year's marks at once.
        calendar->showMonth(QDate(2026, 8, 1));
        QVERIFY(!calendar->sheet()->isBold(QDate(2026, 8, 3)));
        QCOMPARE(calendar->sheet()->toolTip(QDate(2026, 8, 3)), u"夏休み"_s);
        calendar->showMonth(QDate(2026, 9, 1));
        QVERIFY(calendar->sheet()->isBold(QDate(2026, 9, 1)));
        // The chosen day is described in words under the calendar.
        main->showWeekOf(QDate(2026, 4, 29));
        MIRUNE_FIND(note, QLabel, main, u"lblDayNote"_s);
        QCOMPARE(note->text(), u"4月29日(水) 昭和の日 休日"_s);
    }

    void weekOfAClickedDate_data() {
        QTest::addColumn<QDate>("clicked");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QList<bool>>("columnsShown");
        QTest::newRow("Wednesday") << QDate(2026, 4, 8)
                                   << QStringList{u"4／6(月)"_s, u"4／7(火)"_s, u"4／8(水)"_s,
                                                  u"4／9(木)"_s, u"4／10(金)"_s}
                                   << QList<bool>{true, true, true, true, true};
        QTest::newRow("Sunday shows the week after")
            << QDate(2026, 4, 12)
            << QStringList{u"4／13(月)"_s, u"4／14(火)"_s, u"4／15(水)"_s, u"4／16(木)"_s,
                           u"4／17(金)"_s}
            << QList<bool>{true, true, true, true, true};
        QTest::newRow("Saturday shows the week before")
            << QDate(2026, 4, 18)
            << QStringList{u"4／13(月)"_s, u"4／14(火)"_s, u"4／15(水)"_s, u"4／16(木)"_s,
                           u"4／17(金)"_s}
            << QList<bool>{true, true, true, true, true};
        QTest::newRow("holiday in the week: heading only")
            << QDate(2026, 4, 29)
            << QStringList{u"4／27(月)"_s, u"4／28(火)"_s, u"4／29(水)"_s, u"4／30(木)"_s,
                           u"5／1(金)"_s}
            << QList<bool>{true, true, false, true, true};
        QTest::newRow("1 April on a Wednesday: Monday and Tuesday blank")
            << QDate(2026, 4, 2)
            << QStringList{QString(), QString(), u"4／1(水)"_s, u"4／2(木)"_s, u"4／3(金)"_s}
            << QList<bool>{false, false, false, false, false};
        QTest::newRow("the last week ends on 31 March")
            << QDate(2027, 3, 31)
            << QStringList{u"3／29(月)"_s, u"3／30(火)"_s, u"3／31(水)"_s, QString(), QString()}
            << QList<bool>{false, false, false, false, false};
    }

    void weekOfAClickedDate() {
        QFETCH(QDate, clicked);
        QFETCH(QStringList, headings);
        QFETCH(QList<bool>, columnsShown);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(clickDate(main->calendar(), clicked));
        QCOMPARE(f.h.state.dateSelected, clicked);
        for (int d = 0; d < 5; ++d) {
            MIRUNE_FIND(heading, QLabel, main, u"Label2_%1"_s.arg(d));
            QCOMPARE(heading->text(), headings[d]);
            MIRUNE_FIND(reg, QPushButton, main, u"cmdReg_%1"_s.arg(d));
            QCOMPARE(reg->isVisible(), columnsShown[d]);
            MIRUNE_FIND(length, QToolButton, main, u"labWeekCredit_%1"_s.arg(cellIndex(d, 1)));
            QCOMPARE(length->isVisible(), columnsShown[d]);
        }
    }

    void cellsFollowTimetableAndRecords() {
        MainFixture f;
        AppState &state = f.h.state;
        setUpPlan(state);
        state.objFirstDay->appendDay(
            makeRegisteredDay(QDate(2026, 4, 7), u"道道道道道道道道"_s, u"33333333"_s));
        frmMain *main = openMain(f.h);
        WeekGrid *grid = main->weekGrid();
        // Monday from timetable A: "13333200", period 0 学活 15 minutes, periods 6 and 7 none.
        QCOMPARE(grid->cell(cellIndex(0, 0))->subjectName(), u"学活"_s);
        QCOMPARE(grid->lengthLabel(cellIndex(0, 0))->text(), u"１５分"_s);
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(), u"国語"_s);
        QCOMPARE(grid->lengthLabel(cellIndex(0, 5))->text(), u"３０分"_s);
        QVERIFY(!grid->cell(cellIndex(0, 6))->isVisible());
        QVERIFY(grid->lengthLabel(cellIndex(0, 6))->isVisible());
        QCOMPARE(grid->lengthLabel(cellIndex(0, 6))->text(), u"なし"_s);
        // Tuesday is registered: its record, "取消", cells disabled.
        QCOMPARE(grid->cell(cellIndex(1, 7))->subjectName(), u"道徳"_s);
        QCOMPARE(grid->registerButton(1)->text(), u"取消"_s);
        QVERIFY(!grid->cell(cellIndex(1, 0))->isEnabled());
        QCOMPARE(grid->registerButton(0)->text(), u"登録"_s);
        QVERIFY(grid->cell(cellIndex(0, 0))->isEnabled());

        // Timetable B changes the days that are not registered, and only those.
        MIRUNE_FIND(optionB, QRadioButton, main, u"Option1_1"_s);
        MIRUNE_CLICK(optionB);
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(), u"算数"_s);
        QCOMPARE(grid->cell(cellIndex(1, 7))->subjectName(), u"道徳"_s);
        MIRUNE_FIND(optionA, QRadioButton, main, u"Option1_0"_s);
        MIRUNE_CLICK(optionA);
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(), u"国語"_s);
    }

    void timetableNotSetUpLeavesTheWeekBlank() {
        MainFixture f;
        setUpPlan(f.h.state);
        for (auto &c : f.h.state.strWeekCreditA)
            c.clear();
        subApplyWeekCredits(*f.h.state.objWeekPlanA, f.h.state.strWeekCreditA);
        frmMain *main = openMain(f.h);
        for (int d = 0; d < 5; ++d)
            QVERIFY(!main->weekGrid()->registerButton(d)->isVisible());
        MIRUNE_FIND(heading, QLabel, main, u"Label2_2"_s);
        QCOMPARE(heading->text(), u"4／8(水)"_s);
    }

    void statusLine_data() {
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<QString>("line");
        QTest::newRow("teacher") << u"山田　花子"_s << u"2026年　3年1組　　担任：山田　花子"_s;
        QTest::newRow("no teacher") << QString() << u"2026年　3年1組　　担任："_s;
    }

    void statusLine() {
        QFETCH(QString, teacher);
        QFETCH(QString, line);
        MainFixture f;
        setUpPlan(f.h.state, 2026, teacher);
        frmMain *main = openMain(f.h);
        MIRUNE_FIND(status, QLabel, main, u"sbStatusBar_1"_s);
        QCOMPARE(status->text(), line);
        // A class change made elsewhere shows at once.
        f.h.state.strClass = u"2"_s;
        f.h.tell(PlanChange::Class);
        QVERIFY(status->text().startsWith(u"2026年　3年2組"_s));
    }

    void editAndViewMenusOpenTheirWindows_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("class and holidays") << u"mnuEditModifyHoliday"_s << u"frmWiz2"_s;
        QTest::newRow("special holidays") << u"mnuEditModifySpecial"_s << u"frmWiz3"_s;
        QTest::newRow("timetable A") << u"mnuEditModifyWeekA"_s << u"frmWiz5"_s;
        QTest::newRow("timetable B") << u"mnuEditModifyWeekB"_s << u"frmWiz5"_s;
        QTest::newRow("annual plan") << u"mnuEditModifyYear"_s << u"frmWiz4"_s;
        QTest::newRow("summary") << u"mnuViewShowTimeTable"_s << u"frmDispTimeTable"_s;
        QTest::newRow("help") << u"mnuHelpContents"_s << u"frmHelp"_s;
    }

    void editAndViewMenusOpenTheirWindows() {
        QFETCH(QString, action);
        QFETCH(QString, window);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        MIRUNE_TRIGGER(main, action);
        QWidget *opened = nullptr;
        for (QWidget *w : f.h.windows.openWindows())
            if (w->objectName() == window ||
                QString::fromLatin1(w->metaObject()->className()) == u"mirune::ui::"_s + window)
                opened = w;
        QVERIFY2(opened, qPrintable(window));
        if (action.startsWith(u"mnuEditModifyWeek"_s))
            QCOMPARE(qobject_cast<frmWiz5 *>(opened)->editedTimetable(),
                     action.endsWith(u"A"_s) ? TimetableChoice::A : TimetableChoice::B);
        // The main window stays usable beside it.
        QVERIFY(main->isVisible());
        QVERIFY(main->isEnabled());
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    void helpShowsTheProgramsOwnHelp() {
        MainFixture f;
        frmMain *main = openMain(f.h);
        MIRUNE_TRIGGER(main, u"mnuHelpContents"_s);
        auto *help = f.h.windows.find<HelpWindow>();
        QVERIFY(help);
        const QString text = help->browser()->toPlainText();
        for (const QString &section : {u"年度の設定"_s, u"実績の入力"_s, u"集計表"_s, u"印刷"_s,
                                       u"ファイル"_s, u"class3.bak"_s})
            QVERIFY2(text.contains(section), qPrintable(section));
        QVERIFY(unnamedControls(help).isEmpty());
    }

    void accessibleNames() {
        MainFixture f(QDate(2026, 4, 9));
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        QCOMPARE(grid->cell(cellIndex(3, 2))->accessibleName(), u"4／9(木) 2時限 国語"_s);
        QCOMPARE(grid->lengthLabel(cellIndex(3, 2))->accessibleName(), u"4／9(木) 2時限 ４５分"_s);
        QCOMPARE(grid->registerButton(3)->accessibleName(), u"4／9(木) 登録"_s);
        grid->cell(cellIndex(3, 2))->click(); // nothing selected: the cell empties
        QCOMPARE(grid->cell(cellIndex(3, 2))->accessibleName(), u"4／9(木) 2時限 空き"_s);
        const QStringList unnamed = unnamedControls(main);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
    }

    void menusAsTheFileNameSays() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        MIRUNE_FIND(open, QAction, main, u"mnuFileOpen"_s);
        MIRUNE_FIND(save, QAction, main, u"mnuFileSave"_s);
        QVERIFY(open->isVisible());
        QVERIFY(!save->isVisible());
        f.h.state.strFileName = u"/tmp/x.zr2"_s;
        f.h.tell(PlanChange::File);
        QVERIFY(!open->isVisible());
        QVERIFY(save->isVisible());
        const QStringList fileItems{u"mnuFileNew"_s,  u"mnuFileOpen"_s,      u"mnuFileClose"_s,
                                    u"mnuFileBar0"_s, u"mnuFileSave"_s,      u"mnuFileSaveAs"_s,
                                    u"mnuFileBar1"_s, u"mnuFilePageSetup"_s, u"mnuFilePrint"_s,
                                    u"mnuFileBar2"_s, u"mnuFileExit"_s};
        MIRUNE_FIND(fileMenu, QMenu, main, u"mnuFile"_s);
        QStringList names;
        for (QAction *a : fileMenu->actions())
            names << a->objectName();
        QCOMPARE(names, fileItems);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
