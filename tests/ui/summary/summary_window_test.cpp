// The hours summary window: its figures for each term and the year, the colours of the
// differences, the term marked from the date chosen in the main window, following the record,
// hiding and showing again, and the names a screen reader hears.

#include "model/class_settings.h"
#include "model/day_record.h"
#include "model/hours_summary.h"
#include "support/ui_test_support.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/main/hours_chart.h"
#include "xlsx_reader.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

using F = HourField;

// The grid's columns: 0 the row names, then term plan, actual, difference and year plan,
// actual, difference, and the term's and the year's 実施率.
enum Column {
    Name,
    TermPlan,
    TermActual,
    TermDiff,
    YearPlan,
    YearActual,
    YearDiff,
    TermRate,
    YearRate
};

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

void setPlan(AppState &state, int term, F field, qint16 units) {
    HourCounts &hours = state.objSeasonPlan->terms()[term - 1]->hours;
    hours[field] = units;
    hours.deriveTotals();
    state.objSeasonPlan->calculate();
}

void registerDay(AppState &state, const QDate &date, const QString &subjects,
                 const QString &credits, bool withdrawn = false) {
    DayRef day = makeRegisteredDay(date, subjects, credits);
    if (withdrawn)
        day->boolNowPlanning = kTrue;
    state.objFirstDay->appendDay(day);
}

// Class 4-2 of 2026. Recorded, in units (3 to the lesson hour):
// - Tue 7 April: 国 算 社 理 体 音 three each (図 and 学 of length 0);
// - Wed 8 April: eight periods of 国, withdrawn;
// - Tue 25 August: 国 国, three each (the second term);
// - Tue 12 January 2027: 算 3, 切 3, 予 1.
// Plan: term 1 国語 3, 算数 6; term 2 国語 6.
void fillSmallYear(AppState &state) {
    state.intYear = 2026;
    state.intGrade = 4;
    state.strClass = u"2"_s;
    subGetHoliday(state, {});
    registerDay(state, QDate(2026, 4, 7), u"国算社理体音図学"_s, u"33333300"_s);
    registerDay(state, QDate(2026, 4, 8), u"国国国国国国国国"_s, u"33333333"_s, true);
    registerDay(state, QDate(2026, 8, 25), u"国国　　　　　　"_s, u"33000000"_s);
    registerDay(state, QDate(2027, 1, 12), u"算切予　　　　　"_s, u"33100000"_s);
    setPlan(state, 1, F::kokugo, 3);
    setPlan(state, 1, F::sannsuu, 6);
    setPlan(state, 2, F::kokugo, 6);
}

QTableWidgetItem *cellOf(QTableWidget *grid, F field, int column) {
    return grid->item(static_cast<int>(field), column);
}

} // namespace

class SummaryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { initUiTestCase(); }

    void captionsAndHeadings();
    void figures_data();
    void figures();
    void withoutRecordsEveryDifferenceIsTheNegatedPlan();
    void termChoiceLeavesTheYearColumns();
    void termMarkedFromTheChosenDate_data();
    void termMarkedFromTheChosenDate();
    void followsTheRecordWhileShown();
    void closeHidesAndReopeningRefills();
    void gridLook();
    void accessibleNames();
    void chartSaysTheFiguresInWords_data();
    void chartSaysTheFiguresInWords();
    void legendWholeAtAnyWidth_data();
    void legendWholeAtAnyWidth();
    void saveExcel_data();
    void saveExcel();
    void rowsFollowTheCurriculum_data();
    void rowsFollowTheCurriculum();
    void foreignLanguageCountsInItsSubtotals();
};

void SummaryWindowTest::captionsAndHeadings() {
    UiHarness h;
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->windowTitle(), u"時数集計表"_s);

    const QStringList seasons = {u"一学期"_s, u"二学期"_s, u"三学期"_s};
    for (int i = 0; i < 3; ++i) {
        MIRUNE_FIND(opt, QRadioButton, w, u"optSeason_%1"_s.arg(i));
        QCOMPARE(opt->text(), seasons[i]);
    }
    MIRUNE_FIND(label, QLabel, w, u"LabelTimeTable"_s);
    QCOMPARE(label->text(), u"集計したい学期を、上のボタンから選んでクリックしてください。"_s);
    MIRUNE_FIND(close, QPushButton, w, u"cmdCloseTimeTable"_s);
    QCOMPARE(close->text(), u"閉じる"_s);
    MIRUNE_FIND(save, QPushButton, w, u"cmdSaveExcel"_s);
    QCOMPARE(save->text(), u"Excel に保存"_s);
    MIRUNE_FIND(chart, HoursChart, w, u"chartTimeTable"_s);
    QCOMPARE(chart->accessibleName(), u"時数のグラフ"_s);

    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    const QStringList headings = {u"教科"_s,      u"学期･計画"_s,   u"学期･実績"_s,
                                  u"学期･増減"_s, u"年間･計画"_s,   u"年間･実績"_s,
                                  u"年間･増減"_s, u"学期･実施率"_s, u"年間･実施率"_s};
    QCOMPARE(grid->columnCount(), 9);
    for (int c = 0; c < 9; ++c)
        QCOMPARE(grid->horizontalHeaderItem(c)->text(), headings[c]);
    // One row per field of the subject table, named as the summary names it.
    QCOMPARE(grid->rowCount(), int(subjectTable().size()));
    QCOMPARE(cellOf(grid, F::kokugo, Name)->text(), u"国語"_s);
    QCOMPARE(cellOf(grid, F::kurabu, Name)->text(), u"ｸﾗﾌﾞ"_s);
    QCOMPARE(cellOf(grid, F::uchikiri, Name)->text(), u"打切時数"_s);
    QCOMPARE(cellOf(grid, F::SouJisuu, Name)->text(), u"総時数"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::figures_data() {
    QTest::addColumn<int>("term");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    auto row = [](const char *name, int term, F field, Column column, const QString &text,
                  const QColor &colour) {
        QTest::newRow(name) << term << int(field) << int(column) << text << colour;
    };
    // Term 1: the withdrawn day counts nowhere.
    row("1 国語 plan", 1, F::kokugo, TermPlan, u"1.0"_s, kBlack);
    row("1 国語 actual", 1, F::kokugo, TermActual, u"1.0"_s, kBlack);
    row("1 国語 on plan", 1, F::kokugo, TermDiff, u"0.0"_s, kBlack);
    row("1 算数 below plan", 1, F::sannsuu, TermDiff, u"-1.0"_s, kRed);
    row("1 社会 above plan", 1, F::syakai, TermDiff, u"1.0"_s, kBlue);
    row("1 図工 length 0", 1, F::zukou, TermActual, u"0.0"_s, kBlack);
    row("1 教科小計", 1, F::KyoukaSyoukei, TermActual, u"6.0"_s, kBlack);
    row("1 教科小計 difference", 1, F::KyoukaSyoukei, TermDiff, u"3.0"_s, kBlue);
    // Term 2 holds the August day.
    row("2 国語 actual", 2, F::kokugo, TermActual, u"2.0"_s, kBlack);
    row("2 国語 on plan", 2, F::kokugo, TermDiff, u"0.0"_s, kBlack);
    row("2 算数 none", 2, F::sannsuu, TermActual, u"0.0"_s, kBlack);
    // Term 3: cut-off and reserve hours count in the grand total only.
    row("3 算数", 3, F::sannsuu, TermDiff, u"1.0"_s, kBlue);
    row("3 打切", 3, F::uchikiri, TermActual, u"1.0"_s, kBlack);
    row("3 予備", 3, F::yobi, TermActual, u"0.1"_s, kBlack);
    row("3 総授業時数", 3, F::SouJyugyouJisuu, TermActual, u"1.0"_s, kBlack);
    row("3 総時数", 3, F::SouJisuu, TermActual, u"2.1"_s, kBlack);
    // The year: terms 1 to 3 together, against the plan's year sums.
    row("year 国語 plan", 1, F::kokugo, YearPlan, u"3.0"_s, kBlack);
    row("year 国語 actual", 1, F::kokugo, YearActual, u"3.0"_s, kBlack);
    row("year 国語 on plan", 1, F::kokugo, YearDiff, u"0.0"_s, kBlack);
    row("year 算数 on plan", 1, F::sannsuu, YearDiff, u"0.0"_s, kBlack);
    row("year 社会 above", 1, F::syakai, YearDiff, u"1.0"_s, kBlue);
    row("year 総時数 actual", 2, F::SouJisuu, YearActual, u"10.1"_s, kBlack);
    row("year 総時数 above", 3, F::SouJisuu, YearDiff, u"5.1"_s, kBlue);
    // 実施率: the actual hours against the plan; no plan, no percentage.
    row("1 国語 rate on plan", 1, F::kokugo, TermRate, u"100.0%"_s, kBlack);
    row("1 算数 rate half", 1, F::sannsuu, TermRate, u"50.0%"_s, kBlack);
    row("1 社会 rate without plan", 1, F::syakai, TermRate, u"—"_s, kBlack);
    row("1 教科小計 rate over 100", 1, F::KyoukaSyoukei, TermRate, u"200.0%"_s, kBlack);
    row("2 算数 rate nothing yet", 2, F::sannsuu, TermRate, u"—"_s, kBlack);
    row("year 国語 rate", 2, F::kokugo, YearRate, u"100.0%"_s, kBlack);
    row("year 社会 rate without plan", 3, F::syakai, YearRate, u"—"_s, kBlack);
}

void SummaryWindowTest::figures() {
    QFETCH(int, term);
    QFETCH(int, field);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QColor, colour);

    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 4, 7);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(opt, QRadioButton, w, u"optSeason_%1"_s.arg(term - 1));
    MIRUNE_CLICK(opt);
    QCOMPARE(w->chosenTerm(), term);

    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    const QTableWidgetItem *cell = cellOf(grid, F(field), column);
    QCOMPARE(cell->text(), text);
    QCOMPARE(cell->foreground().color(), colour);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::withoutRecordsEveryDifferenceIsTheNegatedPlan() {
    UiHarness h;
    h.state.intYear = 2026;
    setPlan(h.state, 2, F::kokugo, 30);
    setPlan(h.state, 2, F::gakkougyouji, 4);
    h.state.dateSelected = QDate(2026, 10, 1);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->chosenTerm(), 2);

    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    for (int row = 0; row < grid->rowCount(); ++row) {
        QCOMPARE(grid->item(row, TermActual)->text(), u"0.0"_s);
        QCOMPARE(grid->item(row, YearActual)->text(), u"0.0"_s);
        for (int diff : {TermDiff, YearDiff}) {
            const bool planned = grid->item(row, diff - 2)->text() != u"0.0"_s;
            QCOMPARE(grid->item(row, diff)->text(),
                     planned ? u'-' + grid->item(row, diff - 2)->text() : u"0.0"_s);
            QCOMPARE(grid->item(row, diff)->foreground().color(), planned ? kRed : kBlack);
        }
    }
    QCOMPARE(cellOf(grid, F::kokugo, TermDiff)->text(), u"-10.0"_s);
    QCOMPARE(cellOf(grid, F::gakkougyouji, TermDiff)->text(), u"-1.1"_s);
    QCOMPARE(cellOf(grid, F::TokkatsuSyoukei, YearDiff)->text(), u"-1.1"_s);
    QCOMPARE(cellOf(grid, F::SouJisuu, YearDiff)->text(), u"-11.1"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::termChoiceLeavesTheYearColumns() {
    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 4, 7);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);

    auto columns = [grid](int first, int last) {
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = first; column <= last; ++column)
                texts << grid->item(row, column)->text();
        return texts;
    };
    const QStringList year = columns(YearPlan, YearDiff);
    QStringList termsSeen;
    for (int term = 3; term >= 1; --term) {
        MIRUNE_FIND(opt, QRadioButton, w, u"optSeason_%1"_s.arg(term - 1));
        MIRUNE_CLICK(opt);
        QCOMPARE(columns(YearPlan, YearDiff), year);
        termsSeen << columns(TermPlan, TermDiff).join(u',');
    }
    termsSeen.removeDuplicates();
    QCOMPARE(termsSeen.size(), 3);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::termMarkedFromTheChosenDate_data() {
    QTest::addColumn<QDate>("chosen");
    QTest::addColumn<int>("term");
    QTest::newRow("April") << QDate(2026, 4, 1) << 1;
    QTest::newRow("July") << QDate(2026, 7, 31) << 1;
    // August days count in the second term, so the second term is the one to show.
    QTest::newRow("August") << QDate(2026, 8, 25) << 2;
    QTest::newRow("September") << QDate(2026, 9, 1) << 2;
    QTest::newRow("December") << QDate(2026, 12, 24) << 2;
    QTest::newRow("January") << QDate(2027, 1, 12) << 3;
    QTest::newRow("March") << QDate(2027, 3, 31) << 3;
}

void SummaryWindowTest::termMarkedFromTheChosenDate() {
    QFETCH(QDate, chosen);
    QFETCH(int, term);

    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = chosen;
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    for (int i = 0; i < 3; ++i) {
        MIRUNE_FIND(opt, QRadioButton, w, u"optSeason_%1"_s.arg(i));
        QCOMPARE(opt->isChecked(), i == term - 1);
    }
    // The term columns show the marked term's figures: 国語 actual 1.0, 2.0, 0.0.
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    const QStringList kokugo = {u"1.0"_s, u"2.0"_s, u"0.0"_s};
    QCOMPARE(cellOf(grid, F::kokugo, TermActual)->text(), kokugo[term - 1]);
    MIRUNE_FIND(close, QPushButton, w, u"cmdCloseTimeTable"_s);
    QVERIFY(close->hasFocus());
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::followsTheRecordWhileShown() {
    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 4, 7);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    QCOMPARE(cellOf(grid, F::kokugo, TermActual)->text(), u"1.0"_s);

    // The main window registers a day and says so.
    registerDay(h.state, QDate(2026, 4, 9), u"国国国　　　　　"_s, u"33300000"_s);
    h.tell(PlanChange::Days, {QDate(2026, 4, 9)});
    QCOMPARE(cellOf(grid, F::kokugo, TermActual)->text(), u"4.0"_s);
    QCOMPARE(cellOf(grid, F::kokugo, TermDiff)->foreground().color(), kBlue);

    // A new plan replaces the state: nothing recorded, nothing planned.
    subInitApp(h.state);
    h.tell(PlanChange::Replaced);
    QCOMPARE(cellOf(grid, F::kokugo, TermActual)->text(), u"0.0"_s);
    QCOMPARE(cellOf(grid, F::kokugo, YearPlan)->text(), u"0.0"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::closeHidesAndReopeningRefills() {
    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 4, 7);
    QPointer<frmDispTimeTable> w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(close, QPushButton, w.data(), u"cmdCloseTimeTable"_s);
    MIRUNE_CLICK(close);
    QVERIFY(!w->isVisible());

    // Later the teacher records in August and opens the summary again: the same window, now on
    // the second term with the new day counted.
    registerDay(h.state, QDate(2026, 8, 26), u"国　　　　　　　"_s, u"30000000"_s);
    h.tell(PlanChange::Days, {QDate(2026, 8, 26)});
    h.state.dateSelected = QDate(2026, 8, 26);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w.isNull());
    QCOMPARE(h.windows.open<frmDispTimeTable>(), w.data());
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->chosenTerm(), 2);
    MIRUNE_FIND(grid, QTableWidget, w.data(), u"gridTimeTable"_s);
    QCOMPARE(cellOf(grid, F::kokugo, TermActual)->text(), u"3.0"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::gridLook() {
    UiHarness h;
    fillSmallYear(h.state);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);

    const QColor termBackground(230, 255, 255);
    const QColor yearBackground(205, 255, 255);
    const int minimumWidth = 1030 * w->logicalDpiX() / 1440;
    for (int column = 0; column < grid->columnCount(); ++column)
        QVERIFY2(grid->columnWidth(column) >= minimumWidth, qPrintable(QString::number(column)));
    for (int row = 0; row < grid->rowCount(); ++row) {
        QVERIFY(grid->item(row, Name)->textAlignment() & Qt::AlignHCenter);
        for (int column = TermPlan; column <= YearRate; ++column) {
            const QTableWidgetItem *cell = grid->item(row, column);
            const bool term = column <= TermDiff || column == TermRate;
            QCOMPARE(cell->background().color(), term ? termBackground : yearBackground);
        }
    }
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Every row and column visible without scrolling.
    QVERIFY(!grid->verticalScrollBar()->isVisible());
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::accessibleNames() {
    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 4, 7);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(unnamedControls(w), QStringList());

    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    QCOMPARE(grid->accessibleName(), u"時数集計表"_s);
    // A figure is read with its row and column.
    QCOMPARE(cellOf(grid, F::sannsuu, TermDiff)->data(Qt::AccessibleTextRole).toString(),
             u"算数 学期･増減 -1.0"_s);
    QCOMPARE(cellOf(grid, F::SouJisuu, YearActual)->data(Qt::AccessibleTextRole).toString(),
             u"総時数 年間･実績 10.1"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::chartSaysTheFiguresInWords_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("term");
    QTest::addColumn<QString>("line");
    // 算数: 2.0 planned in term 1, 1.0 done then and 1.0 in term 3; the year's plan is 2.0.
    QTest::newRow("before the year: nothing due yet")
        << QDate(2026, 3, 20) << 1
        << u"算数：1学期 計画 2.0、実績 1.0（実施率 50.0%）；年間 計画 2.0、実績 2.0（実施率 "
           "100.0%）、今日までの計画 0.0"_s;
    QTest::newRow("after the year: the whole plan due")
        << QDate(2027, 4, 1) << 3
        << u"算数：3学期 計画 0.0、実績 1.0（実施率 —）；年間 計画 2.0、実績 2.0（実施率 "
           "100.0%）、今日までの計画 2.0"_s;
}

void SummaryWindowTest::chartSaysTheFiguresInWords() {
    QFETCH(QDate, today);
    QFETCH(int, term);
    QFETCH(QString, line);
    UiHarness h(today);
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 4, 7);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(opt, QRadioButton, w, u"optSeason_%1"_s.arg(term - 1));
    MIRUNE_CLICK(opt);

    MIRUNE_FIND(chart, HoursChart, w, u"chartTimeTable"_s);
    const QStringList lines = chart->accessibleDescription().split(u'\n');
    // One sentence per row the table shows, in its order; hidden rows have none.
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    QStringList shownNames;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (!grid->isRowHidden(row))
            shownNames << grid->item(row, Name)->text();
    QVERIFY(shownNames.size() < grid->rowCount());
    QCOMPARE(lines.size(), shownNames.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(shownNames[i] + u'：'), qPrintable(lines[i]));
    QCOMPARE(lines[int(F::sannsuu)], line);
    QVERIFY(chart->isVisible());
    QVERIFY(chart->width() > 0 && chart->height() > 0);
    QVERIFY(!chart->grab().isNull()); // drawing it does not fail
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

// The legend names every colour the chart draws, the one of actual hours past the plan
// included, and takes more lines rather than cut an item off when the window is narrow.
void SummaryWindowTest::legendWholeAtAnyWidth_data() {
    QTest::addColumn<int>("width"); // 0: as the window gives it
    QTest::newRow("in the window") << 0;
    QTest::newRow("wide") << 2000;
    QTest::newRow("narrow") << 200;
    QTest::newRow("narrower than an item") << 10;
}

void SummaryWindowTest::legendWholeAtAnyWidth() {
    QFETCH(int, width);
    UiHarness h;
    fillSmallYear(h.state);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(legend, HoursChartLegend, w, u"chartLegend"_s);
    QCOMPARE(legend->texts(), (QStringList{u"計画"_s, u"実績"_s, u"計画を超えた実績"_s,
                                           u"今日までの計画"_s, u"上の棒は1学期、下の棒は年間"_s}));
    if (width == 0) {
        // In the window, whole, as tall as its lines need.
        const QRect inWindow(legend->mapTo(w, QPoint(0, 0)), legend->size());
        QVERIFY(w->rect().contains(inWindow));
        QCOMPARE(legend->height(), legend->heightForWidth(legend->width()));
        width = legend->contentsRect().width();
    }

    // Every item once, in order, each line inside the width (a line of one item that is wider
    // still stands alone): a swatch of a line's height before the colours' words, a line's
    // height between items.
    const QFontMetrics metrics = legend->fontMetrics();
    const QList<QList<int>> lines = legend->lines(width);
    QList<int> order;
    for (const QList<int> &line : lines) {
        int used = 0;
        for (int i : line) {
            used += (used > 0 ? metrics.height() : 0) + (i < 4 ? metrics.height() : 0) +
                    metrics.horizontalAdvance(legend->texts()[i]);
            order += i;
        }
        QVERIFY2(used <= width || line.size() == 1, qPrintable(u"%1 > %2"_s.arg(used).arg(width)));
    }
    QCOMPARE(order, (QList<int>{0, 1, 2, 3, 4}));
    if (width < 200)
        QCOMPARE(lines.size(), 5);
    if (width >= 2000)
        QCOMPARE(lines.size(), 1);

    // The colour of actual hours past the plan is drawn in it.
    const QImage picture = legend->grab().toImage();
    bool blue = false;
    for (int y = 0; y < picture.height() && !blue; ++y)
        for (int x = 0; x < picture.width() && !blue; ++x)
            blue = picture.pixelColor(x, y) == QColor(0, 0, 255);
    QVERIFY(blue);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void SummaryWindowTest::saveExcel_data() {
    QTest::addColumn<QString>("answer");   // the name given in the save dialog; "" cancels
    QTest::addColumn<QByteArray>("there"); // what the file held before, if it was there
    QTest::addColumn<QString>("written");  // the file that must then hold the workbook
    QTest::addColumn<QString>("refusal");  // the warning instead, when the name is refused
    QTest::newRow("with the extension")
        << u"sum.xlsx"_s << QByteArray() << u"sum.xlsx"_s << QString();
    QTest::newRow("extension added") << u"sum"_s << QByteArray() << u"sum.xlsx"_s << QString();
    QTest::newRow("cancelled") << QString() << QByteArray() << QString() << QString();
    QTest::newRow("a data file's name")
        << u"1-2.zr2"_s << QByteArray() << QString() << u"1-2.zr2」はデータファイルの名前"_s;
    // "トワラ" in CP932: a backup of a class file.
    QTest::newRow("a backup of a data file")
        << u"1-2.bak"_s << QByteArray("\x83\x67\x83\x8F\x83\x89\r\n") << QString()
        << u"1-2.bak」はデータファイルです"_s;
}

void SummaryWindowTest::saveExcel() {
    QFETCH(QString, answer);
    QFETCH(QByteArray, there);
    QFETCH(QString, written);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    if (!there.isEmpty()) {
        QFile previous(dir.filePath(answer));
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write(there);
    }
    UiHarness h;
    fillSmallYear(h.state);
    h.state.dateSelected = QDate(2026, 9, 1);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->chosenTerm(), 2);

    h.dialogs.expectSaveFile(answer.isEmpty() ? QString() : dir.filePath(answer));
    if (!refusal.isEmpty())
        h.dialogs.expectMessage(refusal, Dialogs::Answer::Ok);
    MIRUNE_FIND(save, QPushButton, w, u"cmdSaveExcel"_s);
    MIRUNE_CLICK(save);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    if (written.isEmpty()) {
        // Nothing written, and what was there is as it was.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 there.isEmpty() ? QStringList() : QStringList{answer});
        if (!there.isEmpty()) {
            QFile previous(dir.filePath(answer));
            QVERIFY(previous.open(QIODevice::ReadOnly));
            QCOMPARE(previous.readAll(), there);
        }
        return;
    }
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const mirune::test::Workbook book = mirune::test::readWorkbook(file.readAll());
    // The shown term's table, with the class line.
    QCOMPARE(book.text(u"A1"_s), u"時数集計表　2学期"_s);
    QVERIFY(book.text(u"A2"_s).startsWith(u"2026年　4年2組"_s));
    QCOMPARE(book.text(u"A5"_s), u"国語"_s);
    QCOMPARE(book.text(u"C5"_s), u"2.0"_s);
    QCOMPARE(book.text(u"H4"_s), u"学期･実施率"_s);
}

// 外国語 and 外国語活動 have rows where the year's curriculum gives the grade hours of them or
// the plan uses them; every other row always stands, so a plan without them looks as it did.
void SummaryWindowTest::rowsFollowTheCurriculum_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("recorded"); // a code recorded on a day, empty for none
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<bool>("activity");
    QTest::newRow("no class") << 0 << 0 << QString() << false << false;
    QTest::newRow("2004 grade 5: neither") << 2004 << 5 << QString() << false << false;
    QTest::newRow("2004 grade 5 with a day of 外国語") << 2004 << 5 << u"英"_s << true << false;
    QTest::newRow("2013 grade 6: 外国語活動") << 2013 << 6 << QString() << false << true;
    QTest::newRow("2026 grade 2: neither") << 2026 << 2 << QString() << false << false;
    QTest::newRow("2026 grade 3: 外国語活動") << 2026 << 3 << QString() << false << true;
    QTest::newRow("2026 grade 6: 外国語") << 2026 << 6 << QString() << true << false;
    QTest::newRow("2026 grade 6 with a day of 外国語活動") << 2026 << 6 << u"外"_s << true << true;
}

void SummaryWindowTest::rowsFollowTheCurriculum() {
    QFETCH(int, year);
    QFETCH(int, grade);
    QFETCH(QString, recorded);
    QFETCH(bool, foreign);
    QFETCH(bool, activity);
    UiHarness h;
    h.state.intYear = qint16(year);
    h.state.intGrade = qint16(grade);
    if (year != 0) {
        subGetHoliday(h.state, {});
        h.state.dateSelected = QDate(year, 4, 7);
    }
    if (!recorded.isEmpty())
        registerDay(h.state, QDate(year, 4, 7), recorded + u"　　　　　　　"_s, u"33333333"_s);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    QStringList shown;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (!grid->isRowHidden(row))
            shown << grid->item(row, Name)->text();
    QStringList expected = {
        u"国語"_s,     u"社会"_s,     u"算数"_s,   u"理科"_s,     u"生活"_s,     u"音楽"_s,
        u"図工"_s,     u"家庭"_s,     u"体育"_s,   u"教科小計"_s, u"総合"_s,     u"道徳"_s,
        u"学活"_s,     u"ｸﾗﾌﾞ"_s,     u"児童会"_s, u"学校行事"_s, u"特活小計"_s, u"総授業時数"_s,
        u"打切時数"_s, u"予備時数"_s, u"総時数"_s};
    if (activity)
        expected.insert(expected.indexOf(u"道徳"_s) + 1, u"外国語活動"_s);
    if (foreign)
        expected.insert(expected.indexOf(u"体育"_s) + 1, u"外国語"_s);
    QCOMPARE(shown, expected);
    // Shown or not, the whole grid fits without scrolling.
    QVERIFY(!grid->verticalScrollBar()->isVisible());
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

// A week of a grade-6 class of 2026 with 外国語: counted in its row, in 教科小計 and in the
// totals; 外国語活動 beside 道徳, outside 教科小計.
void SummaryWindowTest::foreignLanguageCountsInItsSubtotals() {
    UiHarness h;
    h.state.intYear = 2026;
    h.state.intGrade = 6;
    subGetHoliday(h.state, {});
    h.state.dateSelected = QDate(2026, 4, 7);
    registerDay(h.state, QDate(2026, 4, 7), u"英英国外　　　　"_s, u"33330000"_s);
    setPlan(h.state, 1, F::gaikokugo, 6);
    auto *w = h.windows.open<frmDispTimeTable>();
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(grid, QTableWidget, w, u"gridTimeTable"_s);
    QCOMPARE(cellOf(grid, F::gaikokugo, Name)->text(), u"外国語"_s);
    QCOMPARE(cellOf(grid, F::gaikokugo, TermActual)->text(), u"2.0"_s);
    QCOMPARE(cellOf(grid, F::gaikokugo, TermPlan)->text(), u"2.0"_s);
    QCOMPARE(cellOf(grid, F::gaikokugo, TermDiff)->foreground().color(), kBlack);
    QCOMPARE(cellOf(grid, F::gaikokugokatsudou, TermActual)->text(), u"1.0"_s);
    QCOMPARE(cellOf(grid, F::KyoukaSyoukei, TermActual)->text(), u"3.0"_s);
    QCOMPARE(cellOf(grid, F::SouJyugyouJisuu, TermActual)->text(), u"4.0"_s);
    QCOMPARE(cellOf(grid, F::SouJisuu, YearActual)->text(), u"4.0"_s);
    QCOMPARE(
        cellOf(grid, F::gaikokugokatsudou, TermActual)->data(Qt::AccessibleTextRole).toString(),
        u"外国語活動 学期･実績 1.0"_s);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"
