// Taking back the recording work: each action of the week grid undone and done again, a stretch
// of days registered at once (まとめて登録) and undone as one step, and a change made on a
// settings page taken back by the same 元に戻す, in turn with the recording steps.

#include "main_test_support.h"
#include "model/day_record.h"
#include "model/day_snapshot.h"
#include "model/week_view.h"
#include "storage/data_file.h"
#include "ui/main/dlg_register_range.h"
#include "ui/main/month_calendar.h"
#include "ui/main/week_grid.h"
#include "ui/wizard/frm_wiz5.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

constexpr int kWednesday = 2;
const QDate kWednesdayDate(2026, 4, 8);

// What a column's cells show: each period's subject code ("　" for none) and time code.
DayColumn shownColumn(WeekGrid *grid, int column) {
    DayColumn shown;
    for (int p = 0; p < WeekGrid::kPeriods; ++p) {
        const int i = column * WeekGrid::kPeriods + p;
        const QChar code = grid->cell(i)->code();
        shown.subjects += code.isNull() ? kNoSubject : code;
        int timeCode = 0;
        while (timeCode < 5 && subGetCredit(timeCode) != grid->lengthLabel(i)->text())
            ++timeCode;
        shown.credits += QChar(u'0' + timeCode);
    }
    return shown;
}

// What the teacher sees of a column and what the chain holds for its day.
struct Look {
    DayColumn cells;
    QString button;
    QString record; // subjects, time codes and the withdrawn flag; "-" for none
    bool operator==(const Look &) const = default;
};

Look lookAt(frmMain *main, int column, const AppState &state) {
    WeekGrid *grid = main->weekGrid();
    const QDate date = grid->dateColumnDay()[column];
    const DayRef day = fncDaySnapshot(*state.objFirstDay, date);
    return {shownColumn(grid, column), grid->registerButton(column)->text(),
            day ? day->strSubject + u'/' + day->strCredit +
                      (day->boolNowPlanning == kTrue ? u"/withdrawn"_s : QString())
                : u"-"_s};
}

// How QCOMPARE shows a look that differs.
char *toString(const Look &look) {
    return QTest::toString(look.cells.subjects + u' ' + look.cells.credits + u' ' + look.button +
                           u' ' + look.record);
}

// A day registered directly in the chain, with lessons of its own.
void registerDirectly(AppState &state, const QDate &date, bool withdrawn = false) {
    DayRef day = makeRegisteredDay(date, u"体体体体体体体体"_s, u"33333300"_s);
    day->boolNowPlanning = withdrawn ? kTrue : kFalse;
    state.objFirstDay->appendDay(day);
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    // Each recording action is one step: 元に戻す puts the column and the day back as they were,
    // やり直し does it again.
    void eachRecordingActionIsUndone_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("a subject into a cell") << u"subject"_s;
        QTest::newRow("a period's length") << u"length"_s;
        QTest::newRow("登録") << u"register"_s;
        QTest::newRow("取消") << u"cancel"_s;
    }
    void eachRecordingActionIsUndone() {
        QFETCH(QString, action);
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowActive(main));
        WeekGrid *grid = main->weekGrid();
        MIRUNE_FIND(undo, QAction, main, u"mnuRecordUndo"_s);
        MIRUNE_FIND(redo, QAction, main, u"mnuRecordRedo"_s);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QVERIFY(redo->shortcuts().contains(QKeySequence(u"Ctrl+Y"_s)));
        QVERIFY(redo->shortcuts().contains(QKeySequence(u"Ctrl+Shift+Z"_s)));

        if (action == u"cancel"_s)
            MIRUNE_CLICK(grid->registerButton(kWednesday));
        const int stepsBefore = main->undoStack()->count();
        const Look before = lookAt(main, kWednesday, f.h.state);
        if (action == u"subject"_s) {
            MIRUNE_CLICK(paletteButton(main, u"家庭"_s));
            MIRUNE_CLICK(grid->cell(cellIndex(kWednesday, 1)));
        } else if (action == u"length"_s) {
            MIRUNE_CLICK(grid->lengthLabel(cellIndex(kWednesday, 3)));
            QTest::keyClick(grid->lengthChooser(), Qt::Key_Up);
            QTest::keyClick(grid->lengthChooser(), Qt::Key_Return);
        } else {
            MIRUNE_CLICK(grid->registerButton(kWednesday));
        }
        const Look after = lookAt(main, kWednesday, f.h.state);
        QVERIFY(after != before);
        QCOMPARE(main->undoStack()->count(), stepsBefore + 1);
        QVERIFY(undo->isEnabled());
        QVERIFY2(undo->text().startsWith(u"元に戻す(&U)：4／8(水)"_s), qPrintable(undo->text()));

        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(lookAt(main, kWednesday, f.h.state), before);
        MIRUNE_FIND(note, QLabel, main, u"lblMainNote"_s);
        QVERIFY2(note->text().startsWith(u"元に戻しました：4／8(水)"_s), qPrintable(note->text()));
        QVERIFY(redo->isEnabled());
        MIRUNE_TRIGGER(main, u"mnuRecordRedo"_s);
        QCOMPARE(lookAt(main, kWednesday, f.h.state), after);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    // A step of another week brings its week back into view.
    void undoShowsTheWeekOfTheStep() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        WeekGrid *grid = main->weekGrid();
        MIRUNE_CLICK(paletteButton(main, u"家庭"_s));
        MIRUNE_CLICK(grid->cell(cellIndex(kWednesday, 1)));
        MIRUNE_CLICK(grid->registerButton(kWednesday));
        QVERIFY(clickDate(main->calendar(), QDate(2026, 5, 13)));
        QCOMPARE(grid->dateColumnDay()[0], QDate(2026, 5, 11));
        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(grid->dateColumnDay()[0], QDate(2026, 4, 6));
        QVERIFY(!f.h.state.objFirstDay->searchDay(kWednesdayDate));
        // The lessons the day was registered with are still in its cells, ready again.
        QCOMPARE(grid->cell(cellIndex(kWednesday, 1))->subjectName(), u"家庭"_s);
        QCOMPARE(grid->registerButton(kWednesday)->text(), u"登録"_s);
    }

    // まとめて登録 registers the school days of the stretch that have no record, as 登録 on an
    // untouched column would; registered and withdrawn days stay as they are, a day whose
    // lessons are being entered is left to the teacher; one undo takes it all back.
    void stretchRegisteredAtOnce_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<bool>("timetableB");
        QTest::addColumn<bool>("entering"); // lessons entered on 4/8 in the grid
        QTest::addColumn<QList<QDate>>("registered");
        const QDate apr6(2026, 4, 6), apr7(2026, 4, 7), apr10(2026, 4, 10);
        QTest::newRow("a week with a registered and a withdrawn day")
            << apr6 << apr10 << false << false << QList<QDate>{apr6, apr7, kWednesdayDate};
        QTest::newRow("timetable B")
            << apr6 << apr10 << true << false << QList<QDate>{apr6, apr7, kWednesdayDate};
        QTest::newRow("a day being entered is left out")
            << apr6 << apr10 << false << true << QList<QDate>{apr6, apr7};
        QTest::newRow("over Showa day and the May holidays")
            << QDate(2026, 4, 27) << QDate(2026, 5, 8) << false << false
            << QList<QDate>{QDate(2026, 4, 27), QDate(2026, 4, 28), QDate(2026, 4, 30),
                            QDate(2026, 5, 1),  QDate(2026, 5, 7),  QDate(2026, 5, 8)};
        QTest::newRow("from the spring break")
            << QDate(2026, 4, 1) << apr6 << false << false << QList<QDate>{apr6};
    }
    void stretchRegisteredAtOnce() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(bool, timetableB);
        QFETCH(bool, entering);
        QFETCH(QList<QDate>, registered);
        MainFixture f;
        setUpPlan(f.h.state);
        registerDirectly(f.h.state, QDate(2026, 4, 9));
        registerDirectly(f.h.state, QDate(2026, 4, 10), true);
        frmMain *main = openMain(f.h);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        WeekGrid *grid = main->weekGrid();
        if (entering) {
            MIRUNE_CLICK(paletteButton(main, u"家庭"_s));
            MIRUNE_CLICK(grid->cell(cellIndex(kWednesday, 1)));
        }
        MIRUNE_FIND(button, QPushButton, main, u"cmdRegisterRange"_s);
        MIRUNE_CLICK(button);
        auto *dialog = f.h.windows.find<dlgRegisterRange>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        MIRUNE_FIND(first, QDateEdit, dialog, u"dtpRangeFrom"_s);
        MIRUNE_FIND(last, QDateEdit, dialog, u"dtpRangeTo"_s);
        MIRUNE_FIND(count, QLabel, dialog, u"lblRangeCount"_s);
        first->setDate(from);
        last->setDate(to);
        if (timetableB) {
            MIRUNE_FIND(b, QRadioButton, dialog, u"optRangeTimetable_1"_s);
            MIRUNE_CLICK(b);
        }
        QVERIFY2(count->text().startsWith(u"%1 日を登録します。"_s.arg(registered.size())),
                 qPrintable(count->text()));
        QCOMPARE(count->text().contains(u"入力中の 4／8(水)"_s), entering);
        QPointer<dlgRegisterRange> alive = dialog;
        MIRUNE_FIND(ok, QPushButton, dialog, u"cmdRangeRegister"_s);
        // Lessons entered while the dialog is open are kept as well.
        const bool enteringLate = registered.contains(QDate(2026, 4, 7));
        if (enteringLate) {
            MIRUNE_CLICK(paletteButton(main, u"音楽"_s));
            MIRUNE_CLICK(grid->cell(cellIndex(1, 2)));
            registered.removeAll(QDate(2026, 4, 7));
        }
        MIRUNE_CLICK(ok);
        QTRY_VERIFY(alive.isNull());
        if (enteringLate) {
            QCOMPARE(grid->cell(cellIndex(1, 2))->subjectName(), u"音楽"_s);
            QCOMPARE(grid->registerButton(1)->text(), u"登録"_s);
        }

        const AppState &s = f.h.state;
        for (QDate d = from; d <= to; d = d.addDays(1)) {
            const DayRef day = fncDaySnapshot(*s.objFirstDay, d);
            if (d == QDate(2026, 4, 9) || d == QDate(2026, 4, 10)) {
                QCOMPARE(day->strSubject, u"体体体体体体体体"_s); // left as it was
                QCOMPARE(day->boolNowPlanning, d.day() == 10 ? kTrue : kFalse);
            } else if (registered.contains(d)) {
                QVERIFY2(day && day->boolNowPlanning == kFalse, qPrintable(d.toString()));
                const int weekday = d.dayOfWeek() - 1;
                QCOMPARE(day->strSubject, timetableSubjects(weekday + (timetableB ? 1 : 0)));
                QCOMPARE(day->strCredit, fncStdCredit(3, weekday));
            } else {
                QVERIFY2(!day, qPrintable(d.toString()));
            }
        }
        // The week shown follows; a day being entered keeps its lessons.
        if (from <= kWednesdayDate && kWednesdayDate <= to) {
            QCOMPARE(grid->registerButton(0)->text(), u"取消"_s);
            QCOMPARE(grid->registerButton(kWednesday)->text(), entering ? u"登録"_s : u"取消"_s);
            if (entering)
                QCOMPARE(grid->cell(cellIndex(kWednesday, 1))->subjectName(), u"家庭"_s);
        }
        MIRUNE_FIND(note, QLabel, main, u"lblMainNote"_s);
        QVERIFY(note->text().startsWith(u"%1 日を登録しました。"_s.arg(registered.size())));

        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        for (const QDate &d : registered)
            QVERIFY(!fncDaySnapshot(*s.objFirstDay, d));
        QVERIFY(s.objFirstDay->searchDay(QDate(2026, 4, 9)));
        if (entering)
            QCOMPARE(grid->cell(cellIndex(kWednesday, 1))->subjectName(), u"家庭"_s);
        MIRUNE_TRIGGER(main, u"mnuRecordRedo"_s);
        for (const QDate &d : registered)
            QVERIFY(s.objFirstDay->searchDay(d));
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }

    // The dialog starts from the first school day without a record and today, and refuses a
    // stretch that runs backwards.
    void stretchDialogDefaultsAndRefusals() {
        MainFixture f(QDate(2026, 4, 15));
        setUpPlan(f.h.state);
        registerDirectly(f.h.state, QDate(2026, 4, 6));
        frmMain *main = openMain(f.h);
        MIRUNE_TRIGGER(main, u"mnuRecordRange"_s);
        auto *dialog = f.h.windows.find<dlgRegisterRange>();
        QVERIFY(dialog);
        MIRUNE_FIND(first, QDateEdit, dialog, u"dtpRangeFrom"_s);
        MIRUNE_FIND(last, QDateEdit, dialog, u"dtpRangeTo"_s);
        MIRUNE_FIND(count, QLabel, dialog, u"lblRangeCount"_s);
        MIRUNE_FIND(ok, QPushButton, dialog, u"cmdRangeRegister"_s);
        QCOMPARE(first->date(), QDate(2026, 4, 7));
        QCOMPARE(last->date(), QDate(2026, 4, 15));
        QCOMPARE(count->text(), u"7 日を登録します。"_s);
        QCOMPARE(first->minimumDate(), QDate(2026, 4, 1));
        QCOMPARE(last->maximumDate(), QDate(2027, 3, 31));
        first->setDate(QDate(2026, 4, 20));
        QCOMPARE(count->text(), u"最初の日が最後の日より後になっています。"_s);
        QVERIFY(!ok->isEnabled());
        first->setDate(QDate(2026, 4, 11));
        last->setDate(QDate(2026, 4, 12));
        QCOMPARE(count->text(), u"登録する日はありません。"_s);
        QVERIFY(!ok->isEnabled());
        QCOMPARE(unnamedControls(dialog), QStringList());
        MIRUNE_FIND(cancel, QPushButton, dialog, u"cmdRangeCancel"_s);
        QPointer<dlgRegisterRange> alive = dialog;
        MIRUNE_CLICK(cancel);
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(main->undoStack()->count(), 0);
    }

    // A wrong click on a settings page is taken back by 元に戻す as a recording step is, in
    // the order they were made; the page and the week show each step taken back.
    void settingsStepsAreUndoneInTurnWithTheRecording() {
        MainFixture f;
        setUpPlan(f.h.state);
        frmMain *main = openMain(f.h);
        WeekGrid *grid = main->weekGrid();
        MIRUNE_CLICK(grid->registerButton(0));
        const QByteArray registered = encodeDataFile(f.h.state).bytes;

        // The timetable page: Wednesday's period 1 of timetable A gets 体育 by mistake.
        MIRUNE_TRIGGER(main, u"mnuEditModifyWeekA"_s);
        auto *page = f.h.windows.find<frmWiz5>();
        QVERIFY(page);
        MIRUNE_FIND(sports, SubjectButton, page, u"cmdWiz5Subject_9"_s);
        QCOMPARE(sports->code(), u'体');
        MIRUNE_CLICK(sports);
        MIRUNE_FIND(cell, SubjectButton, page, u"cmdWiz5WeekPlan_%1"_s.arg(cellIndex(2, 1)));
        MIRUNE_CLICK(cell);
        QCOMPARE(cell->subjectName(), u"体育"_s);
        QCOMPARE(grid->cell(cellIndex(kWednesday, 1))->subjectName(), u"体育"_s);
        MIRUNE_FIND(undo, QAction, main, u"mnuRecordUndo"_s);
        QCOMPARE(undo->text(), u"元に戻す(&U)：時間割A 水曜 1時限 体育"_s);

        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(cell->subjectName(), u"国語"_s);
        QCOMPARE(grid->cell(cellIndex(kWednesday, 1))->subjectName(), u"国語"_s);
        QCOMPARE(encodeDataFile(f.h.state).bytes, registered);
        MIRUNE_FIND(note, QLabel, main, u"lblMainNote"_s);
        QVERIFY(note->text().startsWith(u"元に戻しました：時間割A"_s));
        // The next step back is the registration.
        MIRUNE_TRIGGER(main, u"mnuRecordUndo"_s);
        QCOMPARE(grid->registerButton(0)->text(), u"登録"_s);
        MIRUNE_TRIGGER(main, u"mnuRecordRedo"_s);
        MIRUNE_TRIGGER(main, u"mnuRecordRedo"_s);
        QCOMPARE(cell->subjectName(), u"体育"_s);
        QCOMPARE(grid->registerButton(0)->text(), u"取消"_s);
        MIRUNE_VERIFY_DIALOGS(f.h.dialogs);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
