// The term timetable sheet: one row per week of a term, and in it for each weekday the day of
// the month and the subject taught in each period; the left part of the year sheet for one
// term, at a larger scale.

#include "model/term_rule.h"
#include "print_format.h"
#include "sheet_frame.h"
#include "sheets.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr int kLeft = 360;
constexpr int kRight = 15732;
constexpr int kTop = 630;
constexpr int kHeaderBottom = 2772;
constexpr int kRowHeight = 306;

constexpr int kMonthColumnRight = 756;
constexpr int kDaysColumnRight = 1152;

constexpr MonthColumnLayout kMonthColumn{kLeft, kMonthColumnRight, 396, 12, kRowHeight, 0, 36};
constexpr DayCellLayout kDayCells{kDaysColumnRight, 2916, 324, 36, kRowHeight, 10};

constexpr std::array<int, 5> kWeekdayNameX = {2584, 5500, 8416, 11332, 14248};

void printHeader(const AppState &state, PageSurface &s, int intSeason) {
    s.setLineWidth(4);
    hline(s, kLeft, kRight, kTop);
    printWithinRight(s, 900, 936,
                     QString::number(intSeason) + u" 学 期　　時 間 割 表   "_s +
                         fncClassLabel(state),
                     16, kRight);
    printWithinRight(s, 11700, 1638, u"担任　 "_s + state.strTeacher, 14, kRight);

    s.setFontSize(12);
    s.setLineWidth(2);
    hline(s, kLeft, kRight, 2160);
    s.printAt(396, 2196, u"月"_s);
    vline(s, kMonthColumnRight, 2160, kHeaderBottom);
    s.printAt(792, 2196, u"日"_s);
    s.printAt(792, 2502, u"数"_s);
    vline(s, kDaysColumnRight, 2160, kHeaderBottom);
    printWeekdayHeadings(s, kDayCells,
                         {kWeekdayNameX, 2160, 2178, 2466, 2484, kHeaderBottom, kRight, 0});
    hline(s, kLeft, kRight, kHeaderBottom);
}

} // namespace

void subPrintSeasonTimeChart(const AppState &state, PageSurface &s, int intSeason) {
    subStartSheet(s, PageOrientation::Landscape, kMinchoFontName);
    // The refresh runs for every term sheet, though this one prints none of its figures.
    subRefreshActualTotals(state);
    const TermSpan term = fncTermSpan(state, intSeason);
    const RegisteredDays days(*state.objFirstDay);

    printHeader(state, s, intSeason);

    s.setLineWidth(1);
    MonthColumn months(kMonthColumn, term.firstMonth);
    int y = kHeaderBottom;
    for (int row = 0; row < term.rowCount; ++row) {
        const QDate monday = term.monday(row);
        months.drawRow(s, monday, y);
        const int weekSchoolDays = drawDayCells(s, state, days, term, kDayCells, monday, y);
        s.printAt(792, y + 36, fncItoS(weekSchoolDays, 2));
        y += kRowHeight;
        hline(s, kMonthColumnRight, kRight, y);
    }

    const int top = kHeaderBottom;
    const int bottom = y;
    s.setLineWidth(2);
    hline(s, kLeft, kRight, bottom);
    vline(s, kMonthColumnRight, top, bottom);
    vline(s, kDaysColumnRight, top, bottom);
    drawDayCellLines(s, kDayCells, top, bottom);
    s.setLineWidth(4);
    hline(s, kLeft, kRight, bottom);
    vline(s, kLeft, kTop, bottom);
    vline(s, kRight, kTop, bottom);
    subEndSheet(s);
}

} // namespace mirune
