// The term hours summary sheet: one row per week of a term with the week's actual hours per
// subject, then the term's plan, actual and difference; the right part of the year sheet for
// one term, at a larger scale, with the month and school-day columns in front.

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
constexpr int kFigureSlot = 560;

constexpr MonthColumnLayout kMonthColumn{kLeft, kMonthColumnRight, 608, 12, kRowHeight, 0, 0};

constexpr FigureColumns kFigures = {{
    {F::kokugo, 1444, 4, 1416, 5},
    {F::syakai, 2004, 4, 1976, 5},
    {F::sannsuu, 2564, 4, 2536, 5},
    {F::rika, 3124, 4, 3096, 5},
    {F::seikatsu, 3684, 4, 3656, 5},
    {F::onngaku, 4244, 4, 4216, 5},
    {F::zukou, 4804, 4, 4776, 5},
    {F::katei, 5364, 4, 5336, 5},
    {F::taiiku, 5924, 4, 5896, 5},
    {F::KyoukaSyoukei, 6484, 5, 6456, 5},
    {F::sougou, 7044, 4, 7016, 5},
    {F::doutoku, 7604, 4, 7576, 5},
    {F::gakkyuukatsudou, 8164, 4, 8136, 5},
    {F::kurabu, 8724, 4, 8696, 5},
    {F::jidoukai, 9284, 4, 9256, 5},
    {F::gakkougyouji, 9844, 4, 9816, 5},
    {F::TokkatsuSyoukei, 10404, 4, 10376, 5},
    {F::SouJyugyouJisuu, 11064, 6, 11026, 6},
    {F::uchikiri, 12084, 4, 12056, 5},
    {F::yobi, 12644, 4, 12616, 5},
    {F::SouJisuu, 13304, 6, 13266, 6},
}};

// Figures keep from the rules of their cells the gap the block figures keep from the left one.
constexpr int kFigureInset = 10;
constexpr FigureGrid kFigureGrid{kFigures, kFiguresLeft, kFigureSlot, kFigureInset};

constexpr std::array<HeadingColumn, 22> kHeadings = {{
    {1482, u"国語", {1729, 2152}},
    {2042, u"社会", {1729, 2152}},
    {2602, u"算数", {1729, 2152}},
    {3162, u"理科", {1729, 2152}},
    {3722, u"生活", {1729, 2152}},
    {4282, u"音楽", {1729, 2152}},
    {4842, u"図工", {1729, 2152}},
    {5402, u"家庭", {1729, 2152}},
    {5962, u"体育", {1729, 2152}},
    {6522, u"教科小計Ａ", {1710, 2014, 2337, 2660, 2983}},
    {7082, u"総合Ｂ", {1506, 1929, 2983}},
    {7642, u"道徳Ｃ", {1506, 1929, 2983}},
    {8202, u"学級活動", {1729, 2052, 2375, 2698}},
    {8762, u"クラブ", {1729, 2052, 2375}},
    {9322, u"児童会", {1729, 2052, 2375}},
    {9882, u"学校行事", {1729, 2052, 2375, 2698}},
    {10442, u"特活小計Ｄ", {1710, 2014, 2337, 2660, 2983}},
    {11002, u"総授業時数", {1406, 1729, 2052, 2375, 2698}},
    {11524, u"ＡＢＣＤ計", {1406, 1729, 2052, 2375, 2698}},
    {12122, u"打切時数", {1406, 1729, 2052, 2375}},
    {12682, u"予備時数", {1406, 1729, 2052, 2375}},
    {13342, u"総時数", {1406, 2052, 2698}},
}};

void printHeader(const AppState &state, PageSurface &s, int intSeason) {
    s.setLineWidth(4);
    hline(s, kLeft, kRight, kTop);
    printWithinRight(s, 1140, 380,
                     QString::number(intSeason) + u" 学 期　　時 間 集 計 表   "_s +
                         fncClassLabel(state),
                     16, kRight);
    printWithinRight(s, 10830, 703, u"担任　 "_s + state.strTeacher, 12, kRight);
    s.printAt(4206, 1064, u"集　　　　　　計　　　　　　表"_s);

    s.setLineWidth(2);
    hline(s, kFiguresLeft, kRight, 1368);
    s.printAt(3086, 1387, u"教　　　　科"_s);
    s.printAt(8226, 1387, u"特 別 活 動"_s);

    printHeadingColumns(s, kHeadings);
    for (int x : {7566, 8126, 12046, 12606, 13166})
        vline(s, x, 1368, kHeaderBottom);
    hline(s, 1406, 7006, 1691);
    hline(s, 8126, 10926, 1691);
    for (int x = 1966; x <= 6446; x += kFigureSlot)
        vline(s, x, 1691, kHeaderBottom);
    vline(s, 7006, 1368, kHeaderBottom);
    s.setLineWidth(1);
    for (int x : {8686, 9246, 9806, 10366})
        vline(s, x, 1691, kHeaderBottom);
    s.setLineWidth(2);
    vline(s, 10926, 1368, kHeaderBottom);

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

    printHeader(state, s, intSeason);

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
        printWeekFigures(s, kFigureGrid, fncWeekTotals(*state.objFirstDay, term, monday), y + 95,
                         9);
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
    drawFigureColumnLines(s, kFiguresLeft, kFigureSlot, top, blockBottom);

    s.setLineWidth(2);
    s.setFontSize(12);
    hline(s, kLeft, kRight, bottom + kRowHeight);
    hline(s, kLeft, kRight, bottom + 2 * kRowHeight);
    s.printAt(608, bottom + 38, u"計画"_s);
    s.printAt(608, bottom + 361, u"実績"_s);
    s.printAt(608, bottom + 684, u"増減"_s);
    printBlockFigures(s, kFigureGrid, plan.hours, actual.hours, bottom + 95, bottom + 418,
                      bottom + 741, 9);

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
