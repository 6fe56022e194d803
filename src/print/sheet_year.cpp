// The year sheet: on the left one timetable row per week of the school year, on the right the
// week's actual hours per subject; after each term its plan, actual and difference, and after
// the third term the same for the whole year.

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
constexpr int kFigureSlot = 295;

constexpr MonthColumnLayout kMonthColumn{
    kTermColumnRight, kMonthColumnRight, 520, 8, kRowHeight, 0, 20};
constexpr DayCellLayout kDayCells{kDaysColumnRight, 1620, 180, 20, kRowHeight, 7};

constexpr FigureColumns kFigures = {{
    {F::kokugo, 9060, 4, 9050, 5},
    {F::syakai, 9355, 4, 9345, 5},
    {F::sannsuu, 9650, 4, 9640, 5},
    {F::rika, 9945, 4, 9935, 5},
    {F::seikatsu, 10240, 4, 10230, 5},
    {F::onngaku, 10535, 4, 10525, 5},
    {F::zukou, 10830, 4, 10820, 5},
    {F::katei, 11125, 4, 11115, 5},
    {F::taiiku, 11420, 4, 11410, 5},
    {F::KyoukaSyoukei, 11715, 5, 11705, 5},
    {F::sougou, 12010, 4, 12000, 5},
    {F::doutoku, 12305, 4, 12295, 5},
    {F::gakkyuukatsudou, 12600, 4, 12590, 5},
    {F::kurabu, 12895, 4, 12885, 5},
    {F::jidoukai, 13190, 4, 13180, 5},
    {F::gakkougyouji, 13485, 4, 13475, 5},
    {F::TokkatsuSyoukei, 13780, 4, 13770, 5},
    {F::SouJyugyouJisuu, 14175, 6, 14155, 6},
    {F::uchikiri, 14665, 4, 14655, 5},
    {F::yobi, 14960, 4, 14950, 5},
    {F::SouJisuu, 15355, 6, 15335, 6},
}};

// Figures keep from the rules of their cells the gap the block figures keep from the left one.
constexpr int kFigureInset = 10;
constexpr FigureGrid kFigureGrid{kFigures, kTimetableRight, kFigureSlot, kFigureInset};

constexpr std::array<HeadingColumn, 22> kHeadings = {{
    {9080, u"国語", {710, 980}},
    {9375, u"社会", {710, 980}},
    {9670, u"算数", {710, 980}},
    {9965, u"理科", {710, 980}},
    {10260, u"生活", {710, 980}},
    {10555, u"音楽", {710, 980}},
    {10850, u"図工", {710, 980}},
    {11145, u"家庭", {710, 980}},
    {11440, u"体育", {710, 980}},
    {11735, u"教科小計Ａ", {700, 860, 1030, 1200, 1370}},
    {12030, u"総合Ｂ", {640, 910, 1370}},
    {12325, u"道徳Ｃ", {640, 910, 1370}},
    {12620, u"学級活動", {710, 880, 1050, 1220}},
    {12915, u"クラブ", {710, 880, 1050}},
    {13210, u"児童会", {710, 880, 1050}},
    {13505, u"学校行事", {710, 880, 1050, 1220}},
    {13800, u"特活小計Ｄ", {700, 860, 1030, 1200, 1370}},
    {14095, u"総授業時数", {540, 710, 880, 1050, 1220}},
    {14370, u"ＡＢＣＤ計", {540, 710, 880, 1050, 1220}},
    {14685, u"打切時数", {540, 710, 880, 1050}},
    {14980, u"予備時数", {540, 710, 880, 1050}},
    {15375, u"総時数", {540, 880, 1220}},
}};

constexpr std::array<int, 5> kWeekdayNameX = {1780, 3400, 5020, 6640, 8260};

void printHeader(const AppState &state, PageSurface &s) {
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
    s.setLineWidth(2);
    hline(s, kTimetableRight, kRight, 520);
    s.printAt(9925, 530, u"教　　　　科"_s);
    s.printAt(12680, 530, u"特 別 活 動"_s);
    printHeadingColumns(s, kHeadings);
    for (int x : {12285, 12580, 14645, 14940, 15235})
        vline(s, x, 520, kHeaderBottom);
    hline(s, 9040, 11990, 690);
    hline(s, 12580, 14055, 690);
    for (int x = 9335; x <= 11695; x += kFigureSlot)
        vline(s, x, 690, kHeaderBottom);
    vline(s, 11990, 520, kHeaderBottom);
    s.setLineWidth(1);
    for (int x : {12875, 13170, 13465, 13760})
        vline(s, x, 690, kHeaderBottom);
    s.setLineWidth(2);
    vline(s, 14055, 520, kHeaderBottom);

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
void printBlock(PageSurface &s, int top, int schoolDays, const QString &captionPrefix,
                const HourCounts &plan, const HourCounts &actual) {
    s.setLineWidth(2);
    s.setFontSize(8);
    hline(s, kBlockCaptionLeft, kRight, top + kRowHeight);
    hline(s, kBlockCaptionLeft, kRight, top + 2 * kRowHeight);
    s.printAt(520, top + 190, fncSchoolDaysText(schoolDays));
    s.printAt(kBlockCaptionX, top + 20, captionPrefix + u"計画"_s);
    s.printAt(kBlockCaptionX, top + 190, captionPrefix + u"実績"_s);
    s.printAt(kBlockCaptionX, top + 360, captionPrefix + u"増減"_s);
    printBlockFigures(s, kFigureGrid, plan, actual, top + 50, top + 220, top + 390, 5);
}

// One term: its week rows and its block. Returns the y where the next part starts.
int printTerm(AppState &state, PageSurface &s, const RegisteredDays &days, const TermSpan &term,
              const ZuriSeasonTotal &plan, const ZuriSeasonTotal &actual, int top,
              int &yearSchoolDays) {
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
        printWeekFigures(s, kFigureGrid, fncWeekTotals(*state.objFirstDay, term, monday), y + 50,
                         5);
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
    drawFigureColumnLines(s, kTimetableRight, kFigureSlot, top, bottom + kBlockHeight);
    printBlock(s, bottom, termSchoolDays, term.label + u"学期　"_s, plan.hours, actual.hours);

    // The term ends in a double line.
    y = bottom + kBlockHeight;
    s.setLineWidth(1);
    hline(s, kLeft, kRight, y);
    y += kTermGap;
    hline(s, kLeft, kRight, y);
    return y;
}

} // namespace

void subPrintYear(AppState &state, PageSurface &s) {
    subStartSheet(s, PageOrientation::Landscape, kMinchoFontName);
    subRefreshActualTotals(state);
    const std::array<SeasonTotalRef, 3> planTerms = fncPlanTerms(state);
    const std::array<SeasonTotalRef, 3> actualTerms = state.objYearTotal->terms();
    const RegisteredDays days(*state.objFirstDay);

    printHeader(state, s);

    int y = kHeaderBottom;
    int yearSchoolDays = 0;
    for (int season = 1; season <= 3; ++season) {
        const ZuriSeasonTotal empty;
        const ZuriSeasonTotal &actual = actualTerms[season - 1] ? *actualTerms[season - 1] : empty;
        y = printTerm(state, s, days, fncTermSpan(state, season), *planTerms[season - 1], actual, y,
                      yearSchoolDays);
    }

    // The whole year, below the third term.
    const int top = y;
    s.setLineWidth(2);
    vline(s, kBlockCaptionLeft, top, top + kBlockHeight);
    vline(s, kTimetableRight, top, top + kBlockHeight);
    drawFigureColumnLines(s, kTimetableRight, kFigureSlot, top, top + kBlockHeight);
    const HourCounts noPlan;
    printBlock(s, top, yearSchoolDays, u"年　間　"_s,
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
