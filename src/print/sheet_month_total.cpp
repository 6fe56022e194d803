// The month sheet 月別時数表: one row per month of the school year with its school days and the
// actual hours per subject, then the year's plan, the plan due by the sheet's day, the actual
// hours, their difference and the subjects behind. The frame, the figure columns and their
// headings are those of the term hours summary sheet, at the same scale.

#include "figure_table.h"
#include "model/hours_pace.h"
#include "print_format.h"
#include "sheet_frame.h"
#include "sheets.h"
#include "term_total_columns.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// The frame both sheets share.
using namespace term_total_frame;

constexpr int kBlockRows = 5;
constexpr int kTextDy = 38;   // a 12-point or 10-point text below the top of its row
constexpr int kFigureDy = 95; // a 9-point figure below the top of its row
constexpr int kFigureSize = 9;

// The rows of the block under the months, top to bottom. The due row is named as every other
// output names it; too long for the label column in one line, it stands in two smaller ones.
enum BlockRow { PlanRow, DueRow, ActualRow, DifferenceRow, BehindRow };
constexpr std::array<QStringView, kBlockRows> kBlockLabels = {u"計画", kDueHeading, u"実績",
                                                              kDueDifferenceHeading, kBehindWord};
constexpr int kDueLabelBreak = 4; // "今日まで" over "の計画"
constexpr int kDueLabelSize = 8;
constexpr std::array<int, 2> kDueLabelDy = {8, 163};

// What the block's rows mean, under the frame.
const QString kDueNote = u"%1：年間の計画のうち、過ぎた授業日の割合の時数。%2：実績－%1。"_s.arg(
    kDueHeading.toString(), kDueDifferenceHeading.toString());
const QString kBehindNote =
    u"%1：%2の不足が1週間分（年間の計画×5÷授業日数、少なくとも1時間）を超える項目"
    "（教科、活動、小計、合計）。"_s.arg(kBehindWord.toString(), kDueDifferenceHeading.toString());

QString dateText(const QDate &date) {
    return u"%1年%2月%3日"_s.arg(date.year()).arg(date.month()).arg(date.day());
}

void printHeader(const AppState &state, const FigureTable &figures, PageSurface &s,
                 const MonthlyPace &pace) {
    printTermTotalHeader(s, figures,
                         QString::number(state.intYear) + u" 年 度　　月 別 時 数 表   "_s +
                             fncClassLabel(state),
                         dateText(pace.date) + u"現在"_s, state.strTeacher);
}

// The year's plan of every column, at the block figures' places.
void printPlanFigures(PageSurface &s, const FigureTable &figures, const MonthlyPace &pace, int y) {
    s.setFontSize(kFigureSize);
    for (const FigureTable::Column &c : figures.columns())
        printFigureInCell(s, c.blockX, y, fncCtoS(pace.row(c.field).yearPlan, c.blockWidth),
                          kFigureSize, c.cell, kTermTotalFigureTable.inset);
}

// "遅れ" in red in the middle of each column that is behind.
void printBehindMarks(PageSurface &s, const FigureTable &figures, const MonthlyPace &pace, int y) {
    s.setFontSize(kFigureSize);
    const QString word = kBehindWord.toString();
    for (const FigureTable::Column &c : figures.columns()) {
        if (!pace.row(c.field).behind)
            continue;
        s.setTextColour(textRed());
        printFigureInCell(s, (c.cell.left + c.cell.right - s.textWidth(word)) / 2, y, word,
                          kFigureSize, c.cell, kTermTotalFigureTable.inset);
        s.setTextColour(textBlack());
    }
}

} // namespace

void subPrintMonths(const AppState &state, PageSurface &s, const QDate &today) {
    subStartSheet(s, PageOrientation::Landscape, kMinchoFontName);
    const MonthlyPace pace = fncMonthlyPace(state, today);

    const FigureTable figures(state, kTermTotalFigureTable);
    printHeader(state, figures, s, pace);

    s.setLineWidth(1);
    int y = kHeaderBottom;
    for (const MonthTotal &month : pace.totals.months) {
        s.setFontSize(12);
        s.printAt(kLabelX, y + kTextDy, fncItoS(month.firstDay.month(), 2));
        s.setFontSize(10);
        s.printAt(kDaysX, y + kTextDy, fncItoS(month.schoolDays, 2));
        figures.printWeekFigures(s, month.actual, y + kFigureDy, kFigureSize);
        y += kRowHeight;
        hline(s, kLeft, kRight, y);
    }

    const int top = kHeaderBottom;
    const int bottom = y;
    const int blockBottom = bottom + kBlockRows * kRowHeight;
    s.setLineWidth(2);
    hline(s, kLeft, kRight, bottom);
    vline(s, kMonthColumnRight, top, bottom);
    vline(s, kFiguresLeft, top, blockBottom);
    figures.drawColumnLines(s, top, blockBottom);

    s.setLineWidth(2);
    s.setFontSize(12);
    const auto rowTop = [bottom](int row) { return bottom + row * kRowHeight; };
    for (int row = 1; row < kBlockRows; ++row)
        hline(s, kLeft, kRight, rowTop(row));
    for (int row = 0; row < kBlockRows; ++row) {
        const QString label = kBlockLabels[row].toString();
        if (row != DueRow) {
            s.printAt(kLabelX, rowTop(row) + kTextDy, label);
            continue;
        }
        s.setFontSize(kDueLabelSize);
        s.printAt(kLabelX, rowTop(row) + kDueLabelDy[0], label.left(kDueLabelBreak));
        s.printAt(kLabelX, rowTop(row) + kDueLabelDy[1], label.mid(kDueLabelBreak));
        s.setFontSize(12);
    }
    printPlanFigures(s, figures, pace, rowTop(PlanRow) + kFigureDy);
    // Due, actual and actual minus due, the difference in red below zero and blue above it.
    figures.printBlockFigures(s, pace.due(), pace.totals.yearActual(), rowTop(DueRow) + kFigureDy,
                              rowTop(ActualRow) + kFigureDy, rowTop(DifferenceRow) + kFigureDy,
                              kFigureSize);
    printBehindMarks(s, figures, pace, rowTop(BehindRow) + kFigureDy);

    const int frameBottom = printTermTotalFrameBottom(s, blockBottom);

    printWithinRight(s, kLabelX, frameBottom + 330,
                     fncSchoolDaysText(pace.totals.yearSchoolDays) + u"（うち過ぎた日"_s +
                         fncItoS(pace.daysPast, 4) + u"日）"_s,
                     12, kRight);
    printWithinRight(s, kLabelX, frameBottom + 660, kDueNote, 10, kRight);
    printWithinRight(s, kLabelX, frameBottom + 920, kBehindNote, 10, kRight);
    subEndSheet(s);
}

} // namespace mirune
