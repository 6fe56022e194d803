#pragma once

// What the year and term sheets share: the start and end of a sheet, a term's span of weeks,
// the month column, the day cells of a timetable row and the week totals. The figure columns
// are the figure table's (figure_table.h).
// The sheets differ only in their constants, which each passes in.

#include "fitted_text.h"
#include "model/app_state.h"
#include "model/hour_totals.h"
#include "page_surface.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <array>

namespace mirune {

// Start of every sheet: orientation, then the one font name the sheet uses throughout.
void subStartSheet(PageSurface &surface, PageOrientation orientation, QStringView fontName);
// End of every sheet: line width back to 1, then end of the document.
void subEndSheet(PageSurface &surface);

// A term as the printed sheets bound it: from the day after the vacation before it to the day
// before the vacation after it, laid out in Monday-to-Saturday weeks.
struct TermSpan {
    int season = 0;
    QDate firstDay;
    QDate lastDay;
    int firstMonth = 0; // the month the term starts in; its number needs no separator above
    QString label;      // "一", "二", "三"
    QDate firstMonday;
    int rowCount = 0;

    QDate monday(int row) const { return firstMonday.addDays(7 * qint64(row)); }
    bool contains(const QDate &d) const { return d >= firstDay && d <= lastDay; }
    // The Saturday of the last week row: where the week totals stop looking for days.
    QDate lastSaturday() const { return monday(rowCount - 1).addDays(5); }
};

// A term never spans more weeks than a year has; a file with odd vacation dates gets no more
// rows than this rather than a sheet that runs off the paper by the thousand.
inline constexpr int kMaxTermRows = 53;

// Term 1..3 of the state's school year; a term whose bounds are not dates has no rows.
TermSpan fncTermSpan(const AppState &state, int season);

// The month column of a week-row grid. Each month's number stands on its second row (August's
// on its first), with a separator above the month's first row unless the term starts in it.
struct MonthColumnLayout {
    int left;      // separator from here
    int right;     // to here
    int textX;     // month number position
    int fontSize;  // month number size
    int rowHeight; // height of a week row
    int augustDy;  // August's number below the top of its first row
    int otherDy;   // other months' numbers below the top of their second row
};

class MonthColumn {
  public:
    MonthColumn(const MonthColumnLayout &layout, int firstMonth)
        : m_layout(layout), m_firstMonth(firstMonth) {}
    // One week row with top y whose Monday is `monday`; the row belongs to the month of its
    // Tuesday.
    void drawRow(PageSurface &surface, const QDate &monday, int y);

  private:
    MonthColumnLayout m_layout;
    int m_firstMonth;
    int m_currentMonth = 0; // none yet
    int m_rowCounter = 0;
};

// The valid registered days of the chain by date, for the day cells of the timetable sheets.
class RegisteredDays {
  public:
    explicit RegisteredDays(const ZuriDayTime &head);
    // The first valid record of the date, or nullptr.
    const ZuriDayTime *find(const QDate &date) const { return m_days.value(date.toJulianDay()); }

  private:
    QHash<qint64, const ZuriDayTime *> m_days;
};

// The day cells of a timetable row: five weekday blocks of nine sub-columns, the first for the
// day of the month, the others for periods 0..7.
struct DayCellLayout {
    int left;       // left edge of Monday's block
    int blockWidth; // one weekday block
    int subWidth;   // one sub-column
    int inset;      // text offset from the cell's top-left corner
    int rowHeight;
    int fontSize;
};

// Straight lines by their direction, as the sheet layouts give them.
inline void vline(PageSurface &s, int x, int top, int bottom) {
    s.drawLine(x, top, x, bottom);
}
inline void hline(PageSurface &s, int left, int right, int y) {
    s.drawLine(left, y, right, y);
}

// Where the year and term timetables head their day columns: the weekday names over the five
// blocks, a line under them, and the nine sub-column labels ("日", "０" to "Ⅶ") below it.
struct WeekdayHeadingLayout {
    std::array<int, 5> nameX;
    int top;           // top of the weekday names' row: the block edges start here
    int nameY;         // y of the weekday names
    int labelTop;      // the line under the names; the sub-column lines start here
    int labelY;        // y of the sub-column labels
    int bottom;        // bottom of the heading
    int right;         // right end of the line under the names
    int labelFontSize; // 0 keeps the font size in force
};

// Draws the weekday heading in the current line width, then the sub-column labels and their
// lines in width 1.
void printWeekdayHeadings(PageSurface &surface, const DayCellLayout &cells,
                          const WeekdayHeadingLayout &layout);

// Draws the five day cells of the row whose Monday is `monday` and returns the number of its
// school days. A date outside the term is crossed out; a holiday shows "☆" in every period.
int drawDayCells(PageSurface &surface, const AppState &state, const RegisteredDays &days,
                 const TermSpan &term, const DayCellLayout &layout, const QDate &monday, int y);

// The vertical lines between the sub-columns of the five weekday blocks, from `top` to
// `bottom`: each block's right edge in width 2, the others in width 1.
void drawDayCellLines(PageSurface &surface, const DayCellLayout &cells, int top, int bottom);

// The school days Monday to Friday of the row whose Monday is `monday`, inside the term.
int countSchoolDays(const AppState &state, const TermSpan &term, const QDate &monday);

// The actual hours of one week row, Monday to Saturday, Saturday included though the sheets
// show no Saturday column.
HourCounts fncWeekTotals(const ZuriDayTime &head, const TermSpan &term, const QDate &monday);

// The school-day count under a term or the year: "授業日数　", the count with a leading blank,
// "日".
QString fncSchoolDaysText(int count);

} // namespace mirune
