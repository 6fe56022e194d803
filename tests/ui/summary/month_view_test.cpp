// The hours summary's month view: a grade-5 class of 2026 registered to 11 December with 外国語
// short, its months and pace as the model counts them, the rows behind marked by colour and by
// word, turning to it from outside the window, following the record, rows of the curriculum,
// the names a screen reader hears, and the months saved as a workbook.

#include "hand_worked_year.h"
#include "model/class_settings.h"
#include "model/curriculum_rows.h"
#include "model/day_record.h"
#include "model/hours_pace.h"
#include "model/range_registration.h"
#include "model/units.h"
#include "support/ui_test_support.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/main/hours_chart.h"
#include "ui/main/month_hours_view.h"
#include "xlsx_reader.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

using F = HourField;
using C = MonthHoursView::Column;

const QDate kToday(2026, 12, 11);
const QColor kRed(255, 0, 0);

// Class 5-1 of 2026 with the class page's vacations. Timetable A has 国語 and 算数 every day,
// 英 (外国語) on Mondays only; every school day from April to 11 December is registered from
// it, so that 外国語 has one lesson a week against its plan of 70 hours. Planned for the year:
// 国語 175 hours, 算数 175, 外国語 70.
void fillGradeFive(AppState &state) {
    state.intYear = 2026;
    state.intGrade = 5;
    state.strClass = u"1"_s;
    state.strTeacher = u"佐藤"_s;
    subGetHoliday(state, {});
    ZuriDayTime *day = state.objWeekPlanA->objFirstDay.get();
    for (int weekday = 0; weekday < 6 && day; ++weekday, day = day->objNextDay.get())
        day->strSubject = weekday == 0 ? u"英国算国算国　　"_s : u"国算国算国算　　"_s;
    for (int weekday = 0; weekday < 6; ++weekday)
        state.strWeekCreditA[weekday] = u"33333300"_s;
    subApplyWeekCredits(*state.objWeekPlanA, state.strWeekCreditA);
    subRegisterDays(state, fncDaysToRegister(state, QDate(2026, 4, 1), kToday), TimetableChoice::A);

    HourCounts &plan = state.objSeasonPlan->terms()[0]->hours;
    plan[F::kokugo] = 525;
    plan[F::sannsuu] = 525;
    plan[F::gaikokugo] = 210;
    plan.deriveTotals();
    state.objSeasonPlan->calculate();
}

QTableWidgetItem *cellOf(QTableWidget *grid, F field, int column) {
    return grid->item(static_cast<int>(field), column);
}

// Turns to the month tab as a user does, with a click on it.
bool clickMonthTab(QTabWidget *tabs) {
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    return tabs->currentIndex() == 1;
}

// The summary window opened on the harness's class and turned to its month view; null when it
// never became active.
frmDispTimeTable *openMonthView(UiHarness &h) {
    auto *w = h.windows.open<frmDispTimeTable>();
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    w->showMonthView();
    return w;
}

} // namespace

class MonthViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { initUiTestCase(); }
    void cleanup() { QApplication::closeAllWindows(); }

    void tabsAndHeadings();
    void figures_data();
    void figures();
    void handWorkedPace();
    void behindMarked();
    void showMonthViewFromOutside();
    void followsTheRecord();
    void rowsFollowTheCurriculum();
    void accessibleNames();
    void savedAsAWorkbook();
};

void MonthViewTest::tabsAndHeadings() {
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(tabs, QTabWidget, w, u"tabTimeTable"_s);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), u"学期別"_s);
    QCOMPARE(tabs->tabText(1), u"月別"_s);
    // The term view in front, as the window always opened.
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!w->isMonthViewShown());
    QVERIFY(clickMonthTab(tabs));
    QVERIFY(w->isMonthViewShown());

    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->columnCount(), int(C::ColumnCount));
    const MonthlyPace pace = fncMonthlyPace(h.state, kToday);
    const QStringList months = {u"4月"_s,  u"5月"_s,  u"6月"_s,  u"7月"_s, u"8月"_s, u"9月"_s,
                                u"10月"_s, u"11月"_s, u"12月"_s, u"1月"_s, u"2月"_s, u"3月"_s};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(grid->horizontalHeaderItem(C::FirstMonth + i)->text(),
                 months[i] + u'\n' + QString::number(pace.totals.months[i].schoolDays) + u'日');
    QCOMPARE(grid->horizontalHeaderItem(C::FirstMonth)->text(), u"4月\n18日"_s);
    QCOMPARE(grid->horizontalHeaderItem(C::FirstMonth + 4)->text(), u"8月\n0日"_s);
    QCOMPARE(grid->horizontalHeaderItem(C::YearActual)->text(), u"年間･実績"_s);
    QCOMPARE(grid->horizontalHeaderItem(C::YearPlan)->text(), u"年間･計画"_s);
    QCOMPARE(grid->horizontalHeaderItem(C::Due)->text(), u"今日までの計画"_s);
    QCOMPARE(grid->horizontalHeaderItem(C::Difference)->text(), u"増減"_s);
    QCOMPARE(grid->horizontalHeaderItem(C::Pace)->text(), u"状況"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void MonthViewTest::figures_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    auto row = [](const char *name, F field, int column, const QString &text) {
        QTest::newRow(name) << int(field) << column << text;
    };
    // April: 18 school days, 4 of them Mondays (6, 13, 20 and 27 April).
    row("April 外国語", F::gaikokugo, C::FirstMonth, u"4.0"_s);
    row("April 国語", F::kokugo, C::FirstMonth, u"54.0"_s);
    row("April 算数", F::sannsuu, C::FirstMonth, u"50.0"_s);
    row("April 教科小計", F::KyoukaSyoukei, C::FirstMonth, u"108.0"_s);
    row("August, in the vacation", F::kokugo, C::FirstMonth + 4, u"0.0"_s);
    row("January, nothing yet", F::kokugo, C::FirstMonth + 9, u"0.0"_s);
    row("外国語 plan", F::gaikokugo, C::YearPlan, u"70.0"_s);
}

void MonthViewTest::figures() {
    QFETCH(int, field);
    QFETCH(int, column);
    QFETCH(QString, text);
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *w = openMonthView(h);
    QVERIFY(w);
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    QTableWidgetItem *cell = cellOf(grid, static_cast<F>(field), column);
    QCOMPARE(cell->text(), text);
}

// The year worked out by hand on 15 April: the month view and the chart's mark beside the term
// table show every row's plan due as worked out, the same figure in both; the note says the day
// and the school days past.
void MonthViewTest::handWorkedPace() {
    namespace hw = mirune::test::hand_worked;
    UiHarness h(hw::kPaceDay);
    hw::fill(h.state);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(chart, HoursChart, w, u"chartTimeTable"_s);
    const QStringList chartRows = chart->accessibleDescription().split(u'\n');

    w->showMonthView();
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    for (int i = 0; i < 12; ++i)
        QVERIFY(
            grid->horizontalHeaderItem(C::FirstMonth + i)
                ->text()
                .endsWith(u'\n' + QString::number(hw::kMonthSchoolDays[std::size_t(i)]) + u'日'));
    for (const hw::PaceCase &c : hw::kPaceCases) {
        const QString name = subjectInfo(c.field).summaryName.toString();
        QCOMPARE(cellOf(grid, c.field, C::YearPlan)->text(), QString::fromUtf16(c.plan));
        QCOMPARE(cellOf(grid, c.field, C::YearActual)->text(), QString::fromUtf16(c.actual));
        QCOMPARE(cellOf(grid, c.field, C::Due)->text(), QString::fromUtf16(c.due));
        QCOMPARE(cellOf(grid, c.field, C::Difference)->text(), QString::fromUtf16(c.difference));
        QCOMPARE(cellOf(grid, c.field, C::Pace)->text(), c.behind ? u"遅れ"_s : QString());
        for (int i = 0; i < 12; ++i)
            QCOMPARE(cellOf(grid, c.field, C::FirstMonth + i)->text(),
                     fncUnitsToText(hw::monthUnits(i, c.field)));
        // The chart says where its mark stands: the same plan due.
        const auto line = std::find_if(chartRows.begin(), chartRows.end(), [&](const QString &l) {
            return l.startsWith(name + u'：');
        });
        QVERIFY2(line != chartRows.end(), qPrintable(name));
        QVERIFY2(line->endsWith(u"今日までの計画 "_s + QString::fromUtf16(c.due)),
                 qPrintable(*line));
    }
    MIRUNE_FIND(note, QLabel, w, u"labMonthPace"_s);
    QVERIFY2(note->text().startsWith(u"2026年4月15日現在（過ぎた授業日 7日／年間 194日）"_s),
             qPrintable(note->text()));
    QVERIFY2(note->text().endsWith(u"遅れている教科：外国語"_s), qPrintable(note->text()));
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void MonthViewTest::behindMarked() {
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *w = openMonthView(h);
    QVERIFY(w);
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);

    // One lesson a week against two: more than a week's worth short by December.
    const PaceRow english = fncMonthlyPace(h.state, kToday).row(F::gaikokugo);
    QVERIFY(english.behind);
    QVERIFY(english.difference < -6);
    QCOMPARE(cellOf(grid, F::gaikokugo, C::Pace)->text(), u"遅れ"_s);
    QCOMPARE(cellOf(grid, F::gaikokugo, C::Pace)->foreground().color(), kRed);
    QCOMPARE(cellOf(grid, F::gaikokugo, C::Difference)->foreground().color(), kRed);
    QCOMPARE(cellOf(grid, F::gaikokugo, 0)->background().color(), QColor(255, 215, 215));
    QCOMPARE(cellOf(grid, F::gaikokugo, 0)->data(Qt::AccessibleTextRole).toString(),
             u"外国語 遅れ"_s);
    // 国語 and 算数 are ahead of their plan; nothing marks them.
    for (F field : {F::kokugo, F::sannsuu}) {
        QCOMPARE(cellOf(grid, field, C::Pace)->text(), QString());
        QVERIFY(cellOf(grid, field, 0)->background().color() != QColor(255, 215, 215));
        QCOMPARE(cellOf(grid, field, 0)->data(Qt::AccessibleTextRole).toString(),
                 cellOf(grid, field, 0)->text());
    }

    // The line above says it in words, and the main window's count is the same subjects.
    MIRUNE_FIND(line, QLabel, w, u"labMonthPace"_s);
    QVERIFY2(line->text().startsWith(u"2026年12月11日現在（過ぎた授業日 "_s),
             qPrintable(line->text()));
    QVERIFY2(line->text().endsWith(u"\n遅れている教科：外国語"_s), qPrintable(line->text()));
    QCOMPARE(fncBehindFields(h.state, kToday), QList<HourField>{F::gaikokugo});
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

// How the main window's note line sends the teacher to the months: the window opened (or found)
// and turned to its month view.
void MonthViewTest::showMonthViewFromOutside() {
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *first = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(first));
    first->hide();

    auto *w = h.windows.open<frmDispTimeTable>();
    QCOMPARE(w, first);
    w->showMonthView();
    QVERIFY(w->isVisible());
    QVERIFY(w->isMonthViewShown());
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    QVERIFY(grid->isVisible());
    QCOMPARE(cellOf(grid, F::gaikokugo, C::Pace)->text(), u"遅れ"_s);
    // Again while it is in front: it stays there, refilled.
    w->showMonthView();
    QVERIFY(w->isMonthViewShown());
}

void MonthViewTest::followsTheRecord() {
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *w = openMonthView(h);
    QVERIFY(w);
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    const QString before = cellOf(grid, F::gaikokugo, C::FirstMonth + 8)->text();

    // Friday 11 December registered again with six lessons of 外国語 by the main window.
    const QDate friday(2026, 12, 11);
    h.state.objFirstDay->appendDay(makeRegisteredDay(friday, u"英英英英英英　　"_s, u"33333300"_s));
    h.tell(PlanChange::Days, {friday});
    const QString after = cellOf(grid, F::gaikokugo, C::FirstMonth + 8)->text();
    QCOMPARE(*fncTextToUnits(after) - *fncTextToUnits(before), 18);
    QCOMPARE(cellOf(grid, F::gaikokugo, C::YearActual)->text(),
             fncUnitsToText(fncMonthlyPace(h.state, kToday).row(F::gaikokugo).actual));
}

void MonthViewTest::rowsFollowTheCurriculum() {
    // A grade 4 of 2026 has 外国語活動 and no 外国語; the month view shows the term view's rows.
    UiHarness h(kToday);
    fillGradeFive(h.state);
    h.state.intGrade = 4;
    HourCounts &plan = h.state.objSeasonPlan->terms()[0]->hours;
    plan[F::gaikokugo] = 0;
    plan.deriveTotals();
    h.state.objSeasonPlan->calculate();
    // No 英 in the timetable or registered either.
    h.state.objWeekPlanA->objFirstDay->strSubject = u"国国算国算国　　"_s;
    h.state.objFirstDay->objNextDay.reset();
    auto *w = openMonthView(h);
    QVERIFY(w);
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    for (HourField f : displayOrder())
        QCOMPARE(grid->isRowHidden(static_cast<int>(f)), !fncIsFieldShown(h.state, f));
    QVERIFY(grid->isRowHidden(static_cast<int>(F::gaikokugo)));
    QVERIFY(!grid->isRowHidden(static_cast<int>(F::gaikokugokatsudou)));
    MIRUNE_FIND(line, QLabel, w, u"labMonthPace"_s);
    // Nothing registered yet: both planned subjects behind, named in display order.
    QVERIFY2(line->text().endsWith(u"\n遅れている教科：国語、算数"_s), qPrintable(line->text()));
}

void MonthViewTest::accessibleNames() {
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *w = openMonthView(h);
    QVERIFY(w);
    QCOMPARE(unnamedControls(w), QStringList());
    MIRUNE_FIND(grid, QTableWidget, w, u"gridMonthTable"_s);
    QCOMPARE(grid->accessibleName(), u"月別時数表"_s);
    // A figure says its row and its month.
    QCOMPARE(cellOf(grid, F::gaikokugo, C::FirstMonth)->data(Qt::AccessibleTextRole).toString(),
             u"外国語 4月 4.0"_s);
    QCOMPARE(cellOf(grid, F::gaikokugo, C::Pace)->data(Qt::AccessibleTextRole).toString(),
             u"外国語 状況 遅れ"_s);
}

void MonthViewTest::savedAsAWorkbook() {
    QTemporaryDir dir;
    UiHarness h(kToday);
    fillGradeFive(h.state);
    auto *w = openMonthView(h);
    QVERIFY(w);
    const QString path = dir.filePath(u"months.xlsx"_s);
    h.dialogs.expectSaveFile(path);
    MIRUNE_FIND(save, QPushButton, w, u"cmdSaveExcel"_s);
    MIRUNE_CLICK(save);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const mirune::test::Workbook book = mirune::test::readWorkbook(file.readAll());
    QCOMPARE(book.text(u"A1"_s), u"月別時数表"_s);
    QVERIFY(book.text(u"A2"_s).endsWith(u"基準日：2026-12-11"_s));
    QCOMPARE(book.text(u"B4"_s), u"4月"_s);
    QCOMPARE(book.text(u"A5"_s), u"授業日数"_s);
}

QTEST_MAIN(MonthViewTest)
#include "month_view_test.moc"
