// The term hours summary sheet: one row per week of a term with the week's actual hours per
// subject, then the term's plan, actual and difference; the right part of the year sheet for
// one term, at a larger scale, with the month and school-day columns in front.

#include "figure_table.h"
#include "model/term_rule.h"
#include "print_format.h"
#include "sheet_frame.h"
#include "sheets.h"
#include "term_total_columns.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// The frame both sheets share.
using namespace term_total_frame;

constexpr int kBlockHeight = 3 * kRowHeight;

constexpr MonthColumnLayout kMonthColumn{kLeft, kMonthColumnRight, kLabelX, 12, kRowHeight, 0, 0};

void printHeader(const AppState &state, const FigureTable &figures, PageSurface &s, int intSeason) {
    printTermTotalHeader(s, figures,
                         QString::number(intSeason) + u" 学 期　　時 間 集 計 表   "_s +
                             fncClassLabel(state),
                         QString(), state.strTeacher);
}

} // namespace

void subPrintSeasonTotal(const AppState &state, PageSurface &s, int intSeason) {
    subStartSheet(s, PageOrientation::Landscape, kMinchoFontName);
    subRefreshActualTotals(state);
    const TermSpan term = fncTermSpan(state, intSeason);
    const bool knownTerm = intSeason >= 1 && intSeason <= 3;
    const ZuriSeasonTotal empty;
    const SeasonTotalRef planRecord = knownTerm ? fncPlanTerms(state)[intSeason - 1] : nullptr;
    const SeasonTotalRef actualRecord =
        knownTerm ? state.objYearTotal->terms()[intSeason - 1] : nullptr;
    const ZuriSeasonTotal &plan = planRecord ? *planRecord : empty;
    const ZuriSeasonTotal &actual = actualRecord ? *actualRecord : empty;

    const FigureTable figures(state, kTermTotalFigureTable);
    printHeader(state, figures, s, intSeason);

    s.setLineWidth(1);
    MonthColumn months(kMonthColumn, term.firstMonth);
    int termSchoolDays = 0;
    int y = kHeaderBottom;
    for (int row = 0; row < term.rowCount; ++row) {
        const QDate monday = term.monday(row);
        months.drawRow(s, monday, y);
        const int weekSchoolDays = countSchoolDays(state, term, monday);
        termSchoolDays += weekSchoolDays;
        s.setFontSize(10);
        s.printAt(kDaysX, y + 38, fncItoS(weekSchoolDays, 2));
        figures.printWeekFigures(s, fncWeekTotals(*state.objFirstDay, term, monday), y + 95, 9);
        y += kRowHeight;
        hline(s, kMonthColumnRight, kRight, y);
    }

    const int top = kHeaderBottom;
    const int bottom = y;
    const int blockBottom = bottom + kBlockHeight;
    s.setLineWidth(2);
    hline(s, kLeft, kRight, bottom);
    vline(s, kMonthColumnRight, top, bottom);
    vline(s, kFiguresLeft, top, bottom);
    vline(s, kFiguresLeft, top, blockBottom);
    figures.drawColumnLines(s, top, blockBottom);

    s.setLineWidth(2);
    s.setFontSize(12);
    hline(s, kLeft, kRight, bottom + kRowHeight);
    hline(s, kLeft, kRight, bottom + 2 * kRowHeight);
    s.printAt(kLabelX, bottom + 38, u"計画"_s);
    s.printAt(kLabelX, bottom + 361, u"実績"_s);
    s.printAt(kLabelX, bottom + 684, u"増減"_s);
    figures.printBlockFigures(s, plan.hours, actual.hours, bottom + 95, bottom + 418, bottom + 741,
                              9);

    printTermTotalFrameBottom(s, blockBottom);

    s.setFontSize(12);
    s.printAt(kLabelX, bottom + 1368, fncSchoolDaysText(termSchoolDays));
    subEndSheet(s);
}

} // namespace mirune
