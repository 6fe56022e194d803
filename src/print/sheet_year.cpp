// The year sheet: on the left one timetable row per week of the school year, on the right the
// week's actual hours per subject; after each term its plan, actual and difference, and after
// the third term the same for the whole year.

#include "figure_table.h"
#include "model/term_rule.h"
#include "print_format.h"
#include "sheet_frame.h"
#include "sheets.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

using F = HourField;

constexpr int kLeft = 200;
constexpr int kRight = 15825;
constexpr int kTop = 350;
constexpr int kHeaderBottom = 1540;
constexpr int kRowHeight = 170;
constexpr int kBlockHeight = 3 * kRowHeight;
constexpr int kTermGap = 20;

constexpr int kTermColumnRight = 500;
constexpr int kMonthColumnRight = 720;
constexpr int kDaysColumnRight = 940;
constexpr int kTimetableRight = 9040;
constexpr int kBlockCaptionLeft = 7120;
constexpr int kBlockCaptionX = 7320;

constexpr MonthColumnLayout kMonthColumn{
    kTermColumnRight, kMonthColumnRight, 520, 8, kRowHeight, 0, 20};
constexpr DayCellLayout kDayCells{kDaysColumnRight, 1620, 180, 20, kRowHeight, 7};

// Where the summary table's heading stacks stand. Stacks of two characters stand at 710 and 980,
// longer ones closer; those outside the groups start higher, under the title's rule.
constexpr StackPlaces kStackPlaces = {{
    {40, {710, 980}},                         // Pair
    {40, {710, 880, 1050, 1220}},             // InGroup
    {40, {700, 860, 1030, 1200, 1370}},       // Subtotal
    {40, {640, 910, 1370}},                   // LetteredPair
    {40, {540, 705, 870, 1035, 1200, 1370}},  // LetteredLong
    {40, {540, 710, 880, 1050, 1220}},        // Outside
    {315, {540, 710, 880, 1050, 1220}},       // TotalLetters
    {315, {540, 705, 870, 1035, 1200, 1365}}, // TotalLettersLong
    {140, {540, 880, 1220}},                  // Spaced
}};
constexpr auto kHeadings = fncHeadingStacks(kStackPlaces);

static_assert(fncStacksHaveHeights(kHeadings));

constexpr FigureTableLayout kFigureTable{
    .left = kTimetableRight,
    .right = kRight,
    .bandTop = 520,
    .groupTitleY = 530,
    .underlineY = 690,
    .bottom = kHeaderBottom,
    .groupTitleDx = {885, 100},
    .oneSlot = {.row = 20, .block = 10},
    .twoSlots = {.row = 120, .block = 100},
    // Figures keep from the rules of their cells the gap the block figures keep from the left
    // one.
    .inset = 10,
    .headings = kHeadings,
};

constexpr std::array<int, 5> kWeekdayNameX = {1780, 3400, 5020, 6640, 8260};

void printHeader(const AppState &state, const FigureTable &figures, PageSurface &s) {
    s.setLineWidth(4);
    hline(s, kLeft, kRight, kTop);
    // The title and the teacher stand left of the summary table, whose rule bounds them.
    printWithinRight(s, 500, 520,
                     u"年 間 時 間 割　及び　時 間 集 計 表   "_s + fncClassLabel(state), 14,
                     kTimetableRight);
    printWithinRight(s, 6500, 910, u"担任　 "_s + state.strTeacher, 10, kTimetableRight);

    // The summary table's heading.
    s.setFontSize(8);
    s.printAt(10515, 360, u"集　　　　　　計　　　　　　表"_s);
    figures.printHeading(s);

    // The timetable's heading.
    vline(s, kTimetableRight, kTop, 1200);
    hline(s, kLeft, kTimetableRight, 1200);
    s.printAt(270, 1220, u"学"_s);
    s.printAt(270, 1390, u"期"_s);
    vline(s, kTermColumnRight, 1200, kHeaderBottom);
    s.printAt(520, 1220, u"月"_s);
    vline(s, kMonthColumnRight, 1200, kHeaderBottom);
    s.printAt(740, 1220, u"日"_s);
    s.printAt(740, 1390, u"数"_s);
    vline(s, kDaysColumnRight, 1200, kHeaderBottom);
    printWeekdayHeadings(
        s, kDayCells, {kWeekdayNameX, 1200, 1210, 1370, 1380, kHeaderBottom, kTimetableRight, 7});
    hline(s, kLeft, kRight, kHeaderBottom);
}

// The plan, actual and difference rows of a term or of the year, from the block's top edge.
void printBlock(PageSurface &s, const FigureTable &figures, int top, int schoolDays,
                const QString &captionPrefix, const HourCounts &plan, const HourCounts &actual) {
    s.setLineWidth(2);
    s.setFontSize(8);
    hline(s, kBlockCaptionLeft, kRight, top + kRowHeight);
    hline(s, kBlockCaptionLeft, kRight, top + 2 * kRowHeight);
    s.printAt(520, top + 190, fncSchoolDaysText(schoolDays));
    s.printAt(kBlockCaptionX, top + 20, captionPrefix + u"計画"_s);
    s.printAt(kBlockCaptionX, top + 190, captionPrefix + u"実績"_s);
    s.printAt(kBlockCaptionX, top + 360, captionPrefix + u"増減"_s);
    figures.printBlockFigures(s, plan, actual, top + 50, top + 220, top + 390, 5);
}

// One term: its week rows and its block. Returns the y where the next part starts.
int printTerm(const AppState &state, PageSurface &s, const FigureTable &figures,
              const RegisteredDays &days, const TermSpan &term, const ZuriSeasonTotal &plan,
              const ZuriSeasonTotal &actual, int top, int &yearSchoolDays) {
    s.setLineWidth(1);
    s.setFontSize(8);
    s.printAt(270, top + 340, term.label);
    s.printAt(270, top + 1020, u"学"_s);
    s.printAt(270, top + 1700, u"期"_s);

    MonthColumn months(kMonthColumn, term.firstMonth);
    int termSchoolDays = 0;
    int y = top;
    for (int row = 0; row < term.rowCount; ++row) {
        const QDate monday = term.monday(row);
        months.drawRow(s, monday, y);
        const int weekSchoolDays = drawDayCells(s, state, days, term, kDayCells, monday, y);
        termSchoolDays += weekSchoolDays;
        s.printAt(740, y + 20, fncItoS(weekSchoolDays, 2));
        figures.printWeekFigures(s, fncWeekTotals(*state.objFirstDay, term, monday), y + 50, 5);
        y += kRowHeight;
        hline(s, kMonthColumnRight, kRight, y);
    }
    yearSchoolDays += termSchoolDays;

    const int bottom = y;
    s.setLineWidth(2);
    hline(s, kTermColumnRight, kRight, bottom);
    vline(s, kTermColumnRight, top, bottom + kBlockHeight);
    vline(s, kMonthColumnRight, top, bottom);
    vline(s, kDaysColumnRight, top, bottom);
    drawDayCellLines(s, kDayCells, top, bottom);
    s.setLineWidth(2);
    vline(s, kBlockCaptionLeft, bottom, bottom + kBlockHeight);
    vline(s, kTimetableRight, top, bottom + kBlockHeight);
    figures.drawColumnLines(s, top, bottom + kBlockHeight);
    printBlock(s, figures, bottom, termSchoolDays, term.label + u"学期　"_s, plan.hours,
               actual.hours);

    // The term ends in a double line.
    y = bottom + kBlockHeight;
    s.setLineWidth(1);
    hline(s, kLeft, kRight, y);
    y += kTermGap;
    hline(s, kLeft, kRight, y);
    return y;
}

} // namespace

void subPrintYear(const AppState &state, PageSurface &s) {
    subStartSheet(s, PageOrientation::Landscape, kMinchoFontName);
    subRefreshActualTotals(state);
    const std::array<SeasonTotalRef, 3> planTerms = fncPlanTerms(state);
    const std::array<SeasonTotalRef, 3> actualTerms = state.objYearTotal->terms();
    const RegisteredDays days(*state.objFirstDay);
    const FigureTable figures(state, kFigureTable);

    printHeader(state, figures, s);

    int y = kHeaderBottom;
    int yearSchoolDays = 0;
    for (int season = 1; season <= 3; ++season) {
        const ZuriSeasonTotal empty;
        const ZuriSeasonTotal &actual = actualTerms[season - 1] ? *actualTerms[season - 1] : empty;
        y = printTerm(state, s, figures, days, fncTermSpan(state, season), *planTerms[season - 1],
                      actual, y, yearSchoolDays);
    }

    // The whole year, below the third term.
    const int top = y;
    s.setLineWidth(2);
    vline(s, kBlockCaptionLeft, top, top + kBlockHeight);
    vline(s, kTimetableRight, top, top + kBlockHeight);
    figures.drawColumnLines(s, top, top + kBlockHeight);
    const HourCounts noPlan;
    printBlock(s, figures, top, yearSchoolDays, u"年　間　"_s,
               state.objSeasonPlan ? state.objSeasonPlan->hours : noPlan,
               state.objYearTotal->hours);

    y = top + kBlockHeight;
    s.setLineWidth(4);
    hline(s, kLeft, kRight, y);
    vline(s, kLeft, kTop, y);
    vline(s, kRight, kTop, y);
    subEndSheet(s);
}

} // namespace mirune
