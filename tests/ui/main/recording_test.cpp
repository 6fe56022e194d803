// Recording lessons in the main window's week grid: the palette and the pointer, cells, lengths,
// registering and cancelling days, with the mouse and with the keyboard alone.

#include "main_test_support.h"
#include "model/day_record.h"
#include "model/hour_fields.h"
#include "model/week_view.h"
#include "ui/common/subject_button.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/main/month_calendar.h"
#include "ui/main/subject_palette.h"
#include "ui/main/week_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

// The record of a date in the chain, withdrawn or not.
const ZuriDayTime *recordOn(const AppState &state, const QDate &date) {
    for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get())
        if (d->dateThisDay == date)
            return d;
    return nullptr;
}

} // namespace

class RecordingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    // The palette offers 外国語 and 外国語活動 where the year's curriculum gives the class's
    // grade hours of them or the plan uses them, in their places of the palette order and
    // without gaps; a plan without them sees the sixteen buttons it always had.
    void paletteFollowsTheSubjectTable_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("recorded"); // a code recorded on a day of the year
        QTest::addColumn<QString>("codes");
        const QString old = u"総国社算理生音図家体道学ク児行切"_s;
        QTest::newRow("no plan") << 0 << 0 << QString() << old;
        QTest::newRow("2004 grade 5: neither") << 2004 << 5 << QString() << old;
        QTest::newRow("2026 grade 2: neither") << 2026 << 2 << QString() << old;
        QTest::newRow("2026 grade 3: 外国語活動")
            << 2026 << 3 << QString() << u"総国社算理生音図家体道外学ク児行切"_s;
        QTest::newRow("2026 grade 6: 外国語")
            << 2026 << 6 << QString() << u"総国社算理生音図家体英道学ク児行切"_s;
        QTest::newRow("2004 grade 5 with a day of 外国語")
            << 2004 << 5 << u"英"_s << u"総国社算理生音図家体英道学ク児行切"_s;
    }
    void paletteFollowsTheSubjectTable() {
        QFETCH(int, year);
        QFETCH(int, grade);
        QFETCH(QString, recorded);
        QFETCH(QString, codes);
        MainFixture f;
        if (year != 0) {
            setUpPlan(f.h.state, year);
            f.h.state.intGrade = qint16(grade);
        }
        if (!recorded.isEmpty())
            f.h.state.objFirstDay->appendDay(makeRegisteredDay(
                QDate(year, 4, 10), recorded + u"　　　　　　　"_s, u"33333333"_s));
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        for (int k = 0; k < codes.size(); ++k) {
            MIRUNE_FIND(button, SubjectButton, main, u"cmdSubject_%1"_s.arg(k));
            QVERIFY(button->isVisible());
            QCOMPARE(button->subjectName(), fncSubjectFullName(codes[k]));
            QCOMPARE(button->text(), button->subjectName());
            QVERIFY(!button->icon().isNull());
            // Two columns, filled row by row without a hole.
            MIRUNE_FIND(first, SubjectButton, main, u"cmdSubject_0"_s);
            MIRUNE_FIND(before, SubjectButton, main, u"cmdSubject_%1"_s.arg(qMax(0, k - 1)));
            if (k % 2 == 1) {
                QVERIFY(button->x() > first->x());
                QCOMPARE(button->y(), before->y());
            } else {
                QCOMPARE(button->x(), first->x());
                QVERIFY(k == 0 || button->y() > before->y());
            }
        }
        for (int k = int(codes.size()); k < int(paletteOrder().size()); ++k) {
            MIRUNE_FIND(button, SubjectButton, main, u"cmdSubject_%1"_s.arg(k));
            QVERIFY(!button->isVisible());
        }
        QVERIFY(!findNamed(main, u"cmdSubject_%1"_s.arg(paletteOrder().size())));
        MIRUNE_FIND(palette, SubjectPalette, main, u"fraPalette"_s);
        QCOMPARE(unnamedControls(palette), QStringList());
    }

    // A plan that comes to use 外国語 (a figure of the plan, a day recorded elsewhere) offers it
    // at once; a plan replaced by one without it takes it away.
    void paletteFollowsThePlan() {
        MainFixture f;
        setUpPlan(f.h.state, 2004);
        f.h.state.intGrade = 5;
        frmMain *main = openMain(f.h);
        QVERIFY(!paletteButton(main, u"外国語"_s));
        f.h.state.objYearPlan->hours[HourField::gaikokugo] = 3;
        f.h.tell(PlanChange::Plans);
        MIRUNE_FIND(english, SubjectButton, main, u"cmdSubject_10"_s);
        QCOMPARE(english->subjectName(), u"外国語"_s);
        QVERIFY(english->isVisible());
        f.h.state.objYearPlan->hours[HourField::gaikokugo] = 0;
        f.h.tell(PlanChange::Replaced);
        QCOMPARE(english->subjectName(), u"道徳"_s);
        QVERIFY(!paletteButton(main, u"外国語"_s));
        f.h.state.objFirstDay->appendDay(
            makeRegisteredDay(QDate(2004, 4, 12), u"外外外外外外外外"_s, u"33333333"_s));
        f.h.tell(PlanChange::Days, {QDate(2004, 4, 12)});
        QVERIFY(paletteButton(main, u"外国語活動"_s));
        QVERIFY(paletteButton(main, u"外国語活動"_s)->isVisible());
    }

    // A week of a grade-6 class of 2026 recorded with 外国語: the cell shows and names the
    // subject from the table, and the day holds its code.
    void recordingForeignLanguage() {
        MainFixture f;
        setUpPlan(f.h.state);
        f.h.state.intGrade = 6;
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        SubjectButton *english = paletteButton(main, u"外国語"_s);
        QVERIFY(english);
        MIRUNE_CLICK(english);
        QCOMPARE(grid->cursor().shape(), Qt::BitmapCursor);
        SubjectButton *cell = grid->cell(cellIndex(2, 3));
        MIRUNE_CLICK(cell);
        QCOMPARE(cell->subjectName(), u"外国語"_s);
        QVERIFY(!cell->icon().isNull());
        QCOMPARE(cell->accessibleName(), u"4／8(水) 3時限 外国語"_s);
        MIRUNE_CLICK(grid->registerButton(2));
        QCOMPARE(recordOn(f.h.state, QDate(2026, 4, 8))->strSubject, u"学国算英図体　　"_s);
        // Drawn again from the record, it reads the same.
        main->showWeekOf(QDate(2026, 4, 8));
        QCOMPARE(grid->cell(cellIndex(2, 3))->subjectName(), u"外国語"_s);
        QCOMPARE(grid->cell(cellIndex(2, 3))->text(), u"外国語"_s);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    // 外国語活動 is too long for a cell: the cell shows "外活" under its picture and is read out
    // by its full name.
    void longNamesStandShortInCells() {
        MainFixture f;
        setUpPlan(f.h.state); // grade 3 of 2026: 外国語活動 is offered
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        SubjectButton *activity = paletteButton(main, u"外国語活動"_s);
        QVERIFY(activity);
        QCOMPARE(activity->text(), u"外国語活動"_s);
        MIRUNE_CLICK(activity);
        SubjectButton *cell = grid->cell(cellIndex(2, 3));
        MIRUNE_CLICK(cell);
        QCOMPARE(cell->subjectName(), u"外国語活動"_s);
        QCOMPARE(cell->text(), u"外活"_s);
        QCOMPARE(cell->accessibleName(), u"4／8(水) 3時限 外国語活動"_s);
        MIRUNE_CLICK(grid->registerButton(2));
        QCOMPARE(recordOn(f.h.state, QDate(2026, 4, 8))->strSubject, u"学国算外図体　　"_s);
    }

    void pointerShowsTheSelectedSubject() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        QCOMPARE(grid->cursor().shape(), Qt::ArrowCursor);
        MIRUNE_CLICK(paletteButton(main, u"理科"_s));
        QCOMPARE(grid->selectedSubject(), u'理');
        QCOMPARE(grid->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(grid->cursor().pixmap().size(), QSize(32, 32));
        // A click on the frame beside the cells puts the pointer back.
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(grid->selectedSubject().isNull());
        QCOMPARE(grid->cursor().shape(), Qt::ArrowCursor);
        // So does Escape.
        MIRUNE_CLICK(paletteButton(main, u"理科"_s));
        MIRUNE_TRIGGER(main, u"actDeselectSubject"_s);
        QVERIFY(grid->selectedSubject().isNull());
    }

    void clickingACell_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("after");
        // Cell (Wednesday, period 1) holds 国語 from timetable A.
        QTest::newRow("same subject empties") << u"国語"_s << QString();
        QTest::newRow("other subject replaces") << u"体育"_s << u"体育"_s;
        QTest::newRow("no subject empties") << QString() << QString();
    }

    void clickingACell() {
        QFETCH(QString, selected);
        QFETCH(QString, after);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        SubjectButton *cell = main->weekGrid()->cell(cellIndex(2, 1));
        QCOMPARE(cell->subjectName(), u"国語"_s);
        if (!selected.isEmpty())
            MIRUNE_CLICK(paletteButton(main, selected));
        MIRUNE_CLICK(cell);
        QCOMPARE(cell->subjectName(), after);
        QCOMPARE(cell->icon().isNull(), after.isEmpty());
        // An empty cell with nothing selected stays empty.
        main->weekGrid()->deselectSubject();
        if (after.isEmpty()) {
            MIRUNE_CLICK(cell);
            QCOMPARE(cell->subjectName(), QString());
        }
    }

    void recordTwoDaysCancelOne() {
        MainFixture f;
        AppState &state = f.h.state;
        setUpPlan(state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        QSignalSpy changes(&f.h.document, &ClassDocument::changed);

        // Wednesday: period 2 becomes 体育, then registered.
        MIRUNE_CLICK(paletteButton(main, u"体育"_s));
        MIRUNE_CLICK(grid->cell(cellIndex(2, 2)));
        MIRUNE_CLICK(grid->registerButton(2));
        QVERIFY(grid->selectedSubject().isNull()); // registering puts the pointer back
        QCOMPARE(grid->registerButton(2)->text(), u"取消"_s);
        QVERIFY(!grid->cell(cellIndex(2, 2))->isEnabled());
        const ZuriDayTime *wednesday = recordOn(state, QDate(2026, 4, 8));
        QVERIFY(wednesday);
        QCOMPARE(wednesday->strSubject, u"学国体図図体　　"_s);
        QCOMPARE(wednesday->strCredit, fncStdCredit(3, 2));
        QCOMPARE(wednesday->boolWorkDay, kTrue);
        QCOMPARE(wednesday->boolNowPlanning, kFalse);
        QCOMPARE(wednesday->intWeekName, qint16(3));
        // Only the registration changed a record: the cell's subject was an entry.
        const QList<PlanChange> recorded = changesTouching(changes, PlanChange::Days);
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded.front().dates, QList<QDate>{QDate(2026, 4, 8)});

        // Thursday as the timetable has it.
        MIRUNE_CLICK(grid->registerButton(3));
        QCOMPARE(chainLength(*state.objFirstDay), 2);
        QCOMPARE(recordOn(state, QDate(2026, 4, 9))->strSubject, timetableSubjects(3));

        // Cancel Wednesday: withdrawn, kept in the chain, cells editable again and unchanged.
        MIRUNE_CLICK(grid->registerButton(2));
        QCOMPARE(grid->registerButton(2)->text(), u"登録"_s);
        QVERIFY(grid->cell(cellIndex(2, 2))->isEnabled());
        QCOMPARE(grid->cell(cellIndex(2, 2))->subjectName(), u"体育"_s);
        QCOMPARE(chainLength(*state.objFirstDay), 2);
        QCOMPARE(recordOn(state, QDate(2026, 4, 8))->boolNowPlanning, kTrue);
        QVERIFY(!state.objFirstDay->searchDay(QDate(2026, 4, 8)));

        // Drawn again, the withdrawn day keeps its lessons as entered until they are cleared,
        // then shows the timetable.
        main->showWeekOf(QDate(2026, 4, 8));
        QCOMPARE(grid->cell(cellIndex(2, 2))->subjectName(), u"体育"_s);
        QCOMPARE(grid->registerButton(3)->text(), u"取消"_s);
        MIRUNE_TRIGGER(main, u"mnuRecordClearDay"_s);
        QCOMPARE(grid->cell(cellIndex(2, 2))->subjectName(), u"算数"_s);

        // Registering it again leaves one record for the date, valid.
        MIRUNE_CLICK(grid->registerButton(2));
        QCOMPARE(chainLength(*state.objFirstDay), 2);
        QCOMPARE(recordOn(state, QDate(2026, 4, 8))->boolNowPlanning, kFalse);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    void registeringEmptyCells() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        // With no subject chosen, a click empties a cell.
        for (int p = 0; p < 8; ++p)
            if (grid->cell(cellIndex(0, p))->isVisible())
                MIRUNE_CLICK(grid->cell(cellIndex(0, p)));
        MIRUNE_CLICK(grid->registerButton(0));
        QCOMPARE(recordOn(f.h.state, QDate(2026, 4, 6))->strSubject, QString(8, kNoSubject));
    }

    void choosingLengths_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("timeCode");
        QTest::addColumn<bool>("cellShown");
        QTest::addColumn<QString>("subjectAfter");
        QTest::addColumn<QChar>("storedSubject");
        // Wednesday "13333300": period 2 is 算数 45 minutes, period 6 has none.
        QTest::newRow("none hides and clears") << 2 << 0 << false << QString() << kNoSubject;
        QTest::newRow("shorter keeps the subject") << 2 << 2 << true << u"算数"_s << QChar(u'算');
        QTest::newRow("a length for a hidden period shows it empty")
            << 6 << 3 << true << QString() << kNoSubject;
    }

    void choosingLengths() {
        QFETCH(int, period);
        QFETCH(int, timeCode);
        QFETCH(bool, cellShown);
        QFETCH(QString, subjectAfter);
        QFETCH(QChar, storedSubject);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        const int i = cellIndex(2, period);
        MIRUNE_CLICK(paletteButton(main, u"音楽"_s));
        MIRUNE_CLICK(grid->lengthLabel(i));
        QComboBox *chooser = grid->lengthChooser();
        QVERIFY(chooser->isVisible());
        QCOMPARE(grid->chooserCell(), i);
        chooser->setCurrentIndex(timeCode);
        emit chooser->activated(timeCode);
        QVERIFY(!chooser->isVisible());
        QVERIFY(grid->selectedSubject().isNull()); // a length choice puts the pointer back
        QCOMPARE(grid->lengthLabel(i)->text(), subGetCredit(timeCode));
        QCOMPARE(grid->cell(i)->isVisible(), cellShown);
        QCOMPARE(grid->cell(i)->subjectName(), subjectAfter);
        MIRUNE_CLICK(grid->registerButton(2));
        const ZuriDayTime *day = recordOn(f.h.state, QDate(2026, 4, 8));
        QCOMPARE(day->strSubject[period], storedSubject);
        QCOMPARE(day->strCredit[period], QChar(u'0' + timeCode));
    }

    void recordingWithTheKeyboardAlone() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowActive(main));
        WeekGrid *grid = main->weekGrid();

        // The calendar: arrow keys move the day, the grid follows into the next week.
        main->calendar()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // 9 April
        QCOMPARE(f.h.state.dateSelected, QDate(2026, 4, 8));         // same week: nothing redrawn
        for (int k = 0; k < 4; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // 13 April, Monday
        QCOMPARE(main->calendar()->selectedDate(), QDate(2026, 4, 13));
        QCOMPARE(grid->dateColumnDay()[0], QDate(2026, 4, 13));

        // A subject from the palette with Space.
        SubjectButton *music = paletteButton(main, u"音楽"_s);
        music->setFocus();
        QTest::keyClick(music, Qt::Key_Space);
        QCOMPARE(grid->selectedSubject(), u'音');

        // Into the grid: Space puts it in, arrows move between cells.
        grid->cell(cellIndex(0, 1))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(grid->cell(cellIndex(0, 1))->subjectName(), u"音楽"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), grid->cell(cellIndex(0, 2)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(grid->cell(cellIndex(0, 2))->subjectName(), u"音楽"_s);

        // The length beside it: Right, Space opens the chooser, Down and Return choose.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), grid->lengthLabel(cellIndex(0, 2)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(QApplication::focusWidget(), grid->lengthChooser());
        QTest::keyClick(grid->lengthChooser(), Qt::Key_Down); // ４５分 -> ６０分
        QTest::keyClick(grid->lengthChooser(), Qt::Key_Return);
        QCOMPARE(grid->lengthLabel(cellIndex(0, 2))->text(), u"６０分"_s);
        QCOMPARE(QApplication::focusWidget(), grid->lengthLabel(cellIndex(0, 2)));

        // Escape leaves the chooser without a change.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(QApplication::focusWidget(), grid->lengthChooser());
        QTest::keyClick(grid->lengthChooser(), Qt::Key_Escape);
        QVERIFY(!grid->lengthChooser()->isVisible());
        QCOMPARE(grid->lengthLabel(cellIndex(0, 2))->text(), u"６０分"_s);

        // Register with Space on the day's button.
        grid->registerButton(0)->setFocus();
        QTest::keyClick(grid->registerButton(0), Qt::Key_Space);
        const ZuriDayTime *day = recordOn(f.h.state, QDate(2026, 4, 13));
        QVERIFY(day);
        QCOMPARE(day->strSubject.mid(1, 2), u"音音"_s);
        QCOMPARE(day->strCredit[2], QChar(u'4'));
    }

    void daysChangedElsewhereShowAtOnce() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        f.h.state.objFirstDay->appendDay(
            makeRegisteredDay(QDate(2026, 4, 10), u"理理理理理理理理"_s, u"33333333"_s));
        f.h.tell(PlanChange::Days, {QDate(2026, 4, 10)});
        QCOMPARE(main->weekGrid()->registerButton(4)->text(), u"取消"_s);
        // A timetable changed on its page shows on the days not registered.
        f.h.state.objWeekPlanA->objFirstDay->strSubject = u"道道道道道道道道"_s;
        f.h.tell(PlanChange::Timetables);
        QCOMPARE(main->weekGrid()->cell(cellIndex(0, 1))->subjectName(), u"道徳"_s);
    }

    // After a registration the line under the calendar names the subjects behind their pace;
    // its link opens the summary window on its months.
    void paceLineNamesTheSubjectsBehind() {
        MainFixture f(QDate(2026, 12, 11));
        setUpPlan(f.h.state);
        HourCounts &plan = f.h.state.objSeasonPlan->terms()[0]->hours;
        plan[HourField::kokugo] = 3 * 600; // far more 国語 than the timetable gives
        plan.deriveTotals();
        f.h.state.objSeasonPlan->calculate();
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        MIRUNE_FIND(pace, QLabel, main, u"lblMainPace"_s);
        QVERIFY(pace->isVisible());
        QVERIFY2(
            pace->accessibleName().startsWith(u"今日までの計画より 1 項目が遅れています：国語"_s),
            qPrintable(pace->accessibleName()));
        QVERIFY(!pace->accessibleName().contains(u"算数"_s));
        MIRUNE_CLICK(main->weekGrid()->registerButton(0));
        QVERIFY(pace->isVisible());
        emit pace->linkActivated(u"months"_s);
        auto *summary = openWindow<frmDispTimeTable>();
        QVERIFY(summary);
        MIRUNE_FIND(tabs, QTabWidget, summary, u"tabTimeTable"_s);
        QCOMPARE(tabs->currentIndex(), 1);
    }
};

QTEST_MAIN(RecordingTest)
#include "recording_test.moc"
