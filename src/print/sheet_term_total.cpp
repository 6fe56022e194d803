// The term hours summary sheet: one row per week of a term with the week's actual hours per
// subject, then the term's plan, actual and difference; the right part of the year sheet for
// one term, at a larger scale, with the month and school-day columns in front.

#include "figure_table.h"
#include "model/term_rule.h"
#include "print_format.h"
#include "sheet_frame.h"
#include "sheets.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

using F = HourField;

constexpr int kLeft = 570;
constexpr int kRight = 14286;
constexpr int kTop = 1045;
constexpr int kHeaderBottom = 3306;
constexpr int kRowHeight = 323;
constexpr int kBlockHeight = 3 * kRowHeight;
constexpr int kDoubleLineGap = 38;

constexpr int kMonthColumnRight = 988;
constexpr int kFiguresLeft = 1406;

constexpr MonthColumnLayout kMonthColumn{kLeft, kMonthColumnRight, 608, 12, kRowHeight, 0, 0};

// The summary table's heading stacks, in display order, as on the year sheet at this scale.
constexpr std::array<HeadingStack, 25> kHeadings = {{
    {F::kokugo, 76, u"国語", {1729, 2152}},
    {F::syakai, 76, u"社会", {1729, 2152}},
    {F::sannsuu, 76, u"算数", {1729, 2152}},
    {F::rika, 76, u"理科", {1729, 2152}},
    {F::seikatsu, 76, u"生活", {1729, 2152}},
    {F::onngaku, 76, u"音楽", {1729, 2152}},
    {F::zukou, 76, u"図工", {1729, 2152}},
    {F::katei, 76, u"家庭", {1729, 2152}},
    {F::taiiku, 76, u"体育", {1729, 2152}},
    {F::gaikokugo, 76, u"外国語", {1729, 2052, 2375}},
    {F::KyoukaSyoukei, 76, u"教科小計Ａ", {1710, 2014, 2337, 2660, 2983}},
    {F::sougou, 76, u"総合Ｂ", {1506, 1929, 2983}},
    {F::doutoku, 76, u"道徳Ｃ", {1506, 1929, 2983}},
    {F::gaikokugokatsudou, 76, u"外国語活動Ｅ", {1406, 1729, 2052, 2375, 2698, 2983}},
    {F::gakkyuukatsudou, 76, u"学級活動", {1729, 2052, 2375, 2698}},
    {F::kurabu, 76, u"クラブ", {1729, 2052, 2375}},
    {F::jidoukai, 76, u"児童会", {1729, 2052, 2375}},
    {F::gakkougyouji, 76, u"学校行事", {1729, 2052, 2375, 2698}},
    {F::TokkatsuSyoukei, 76, u"特活小計Ｄ", {1710, 2014, 2337, 2660, 2983}},
    {F::SouJyugyouJisuu, 76, u"総授業時数", {1406, 1729, 2052, 2375, 2698}},
    {F::SouJyugyouJisuu,
     598,
     u"ＡＢＣＤ計",
     {1406, 1729, 2052, 2375, 2698},
     F::gaikokugokatsudou,
     false},
    {F::SouJyugyouJisuu,
     598,
     u"ＡＢＣＤＥ計",
     {1406, 1729, 2052, 2375, 2698, 3021},
     F::gaikokugokatsudou,
     true},
    {F::uchikiri, 76, u"打切時数", {1406, 1729, 2052, 2375}},
    {F::yobi, 76, u"予備時数", {1406, 1729, 2052, 2375}},
    {F::SouJisuu, 176, u"総時数", {1406, 2052, 2698}},
}};

static_assert(fncStacksHaveHeights(kHeadings));

constexpr FigureTableLayout kFigureTable{
    .left = kFiguresLeft,
    .right = kRight,
    .bandTop = 1368,
    .groupTitleY = 1387,
    .underlineY = 1691,
    .bottom = kHeaderBottom,
    .groupTitleDx = {1680, 100},
    .oneSlot = {.row = 38, .block = 10},
    .twoSlots = {.row = 138, .block = 100},
    // Figures keep from the rules of their cells the gap the block figures keep from the left
    // one.
    .inset = 10,
    .headings = kHeadings,
};

void printHeader(const AppState &state, const FigureTable &figures, PageSurface &s, int intSeason) {
    s.setLineWidth(4);
    hline(s, kLeft, kRight, kTop);
    printWithinRight(s, 1140, 380,
                     QString::number(intSeason) + u" 学 期　　時 間 集 計 表   "_s +
                         fncClassLabel(state),
                     16, kRight);
    printWithinRight(s, 10830, 703, u"担任　 "_s + state.strTeacher, 12, kRight);
    s.printAt(4206, 1064, u"集　　　　　　計　　　　　　表"_s);

    figures.printHeading(s);

    s.setLineWidth(2);
    vline(s, kFiguresLeft, kTop, kHeaderBottom);
    hline(s, kLeft, kFiguresLeft, 2660);
    s.printAt(608, 2698, u"月"_s);
    vline(s, kMonthColumnRight, 2660, kHeaderBottom);
    s.printAt(1026, 2698, u"日"_s);
    s.printAt(1026, 3021, u"数"_s);
    vline(s, kFiguresLeft, 2660, kHeaderBottom);
    hline(s, kLeft, kRight, kHeaderBottom);
}

} // namespace

void subPrintSeasonTotal(AppState &state, PageSurface &s, int intSeason) {
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

    const FigureTable figures(state, kFigureTable);
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
        s.printAt(1026, y + 38, fncItoS(weekSchoolDays, 2));
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
    s.printAt(608, bottom + 38, u"計画"_s);
    s.printAt(608, bottom + 361, u"実績"_s);
    s.printAt(608, bottom + 684, u"増減"_s);
    figures.printBlockFigures(s, plan.hours, actual.hours, bottom + 95, bottom + 418, bottom + 741,
                              9);

    s.setLineWidth(1);
    hline(s, kLeft, kRight, blockBottom);
    hline(s, kLeft, kRight, blockBottom + kDoubleLineGap);
    const int frameBottom = blockBottom + kDoubleLineGap;
    s.setLineWidth(4);
    hline(s, kLeft, kRight, frameBottom);
    vline(s, kLeft, kTop, frameBottom);
    vline(s, kRight, kTop, frameBottom);

    s.setFontSize(12);
    s.printAt(608, bottom + 1368, fncSchoolDaysText(termSchoolDays));
    subEndSheet(s);
}

} // namespace mirune
