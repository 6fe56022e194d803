#pragma once

// The figure table of the year sheet and the term hours summary sheet: one column per hour
// field the sheet shows, in display order, laid on slots of equal width from the table's left
// rule to the frame's right edge; the two totals take two slots. The subject kinds give the
// groups of the heading (教科, 特別活動) and which rules are heavy. A sheet gives only its
// scale: the edges and levels of its heading, where figures and headings stand in a column,
// and its heading stacks.
//
// A plan that uses neither 外国語 nor 外国語活動 has the table of 21 columns on 23 slots, the
// same to the twip as it always had; each of them a plan uses adds a column and narrows every
// slot, so that the table keeps its width and the sheet its frame.

#include "fitted_text.h"
#include "model/app_state.h"
#include "model/hour_fields.h"
#include "model/hour_totals.h"
#include "page_surface.h"

#include <QList>
#include <QStringView>
#include <array>
#include <optional>
#include <span>

namespace mirune {

// Whether the summary sheets give a field a column: every row of the 2002 curriculum always;
// 外国語 and 外国語活動 where the plan, a timetable or a day of the year uses them. A row only
// the curriculum's standard hours name would print a column of zeros: the windows offer it so
// that a teacher can start using it (fncIsFieldShown), but on paper it would only narrow the
// others, and a class that uses neither keeps the sheets it always had.
bool fncSheetShowsField(const AppState &state, HourField field);

// Where a column's figures stand, from its left rule: in the week rows and in the plan, actual
// and difference rows of a block.
struct FigureOffsets {
    int row;
    int block;
};

// One stack of heading characters over a column, each printed on its own at (column's left
// rule + dx, ys[i]).
struct HeadingStack {
    HourField field;
    int dx;
    QStringView chars;
    std::array<int, 6> ys;
    // A stack that names other columns (総授業時数 sums the lettered ones) is printed only while
    // `other` is shown (whenOtherShown) or only while it is not.
    HourField other = field;
    bool whenOtherShown = true;
};

// The shapes the heading stacks take; a sheet gives each its place in its own scale.
enum class StackShape {
    Pair,             // two characters inside a group, spread over its heading
    InGroup,          // three or four characters inside a group, from its top down
    Subtotal,         // a group's subtotal with its letter at the bottom
    LetteredPair,     // two characters and their letter outside the groups (総合Ｂ)
    LetteredLong,     // five characters and their letter outside the groups (外国語活動Ｅ)
    Outside,          // up to five characters under the title's rule
    TotalLetters,     // the letters the lesson total sums, beside its name
    TotalLettersLong, // the same with one letter more
    Spaced,           // three characters spread down the heading
};
inline constexpr int kStackShapes = 9;

// Where a sheet puts a shape's characters: from the column's left rule, and one height each.
struct StackPlace {
    int dx;
    std::array<int, 6> ys;
};
using StackPlaces = std::array<StackPlace, kStackShapes>;

// The heading stacks of the year sheet and the term hours summary sheet, in display order,
// placed by a sheet's places: the texts and when each stands are written here once.
inline constexpr int kHeadingStackCount = 25;
constexpr std::array<HeadingStack, kHeadingStackCount> fncHeadingStacks(const StackPlaces &places) {
    using F = HourField;
    using S = StackShape;
    struct Text {
        F field;
        QStringView chars;
        S shape;
        std::optional<F> other = std::nullopt;
        bool whenOtherShown = true;
    };
    constexpr std::array<Text, kHeadingStackCount> texts = {{
        {F::kokugo, u"国語", S::Pair},
        {F::syakai, u"社会", S::Pair},
        {F::sannsuu, u"算数", S::Pair},
        {F::rika, u"理科", S::Pair},
        {F::seikatsu, u"生活", S::Pair},
        {F::onngaku, u"音楽", S::Pair},
        {F::zukou, u"図工", S::Pair},
        {F::katei, u"家庭", S::Pair},
        {F::taiiku, u"体育", S::Pair},
        {F::gaikokugo, u"外国語", S::InGroup},
        {F::KyoukaSyoukei, u"教科小計Ａ", S::Subtotal},
        {F::sougou, u"総合Ｂ", S::LetteredPair},
        {F::doutoku, u"道徳Ｃ", S::LetteredPair},
        // The letter Ｅ under its name, as Ｂ and Ｃ stand: 総授業時数 counts it.
        {F::gaikokugokatsudou, u"外国語活動Ｅ", S::LetteredLong},
        {F::gakkyuukatsudou, u"学級活動", S::InGroup},
        {F::kurabu, u"クラブ", S::InGroup},
        {F::jidoukai, u"児童会", S::InGroup},
        {F::gakkougyouji, u"学校行事", S::InGroup},
        {F::TokkatsuSyoukei, u"特活小計Ｄ", S::Subtotal},
        {F::SouJyugyouJisuu, u"総授業時数", S::Outside},
        // 総授業時数 names the letters it sums: Ｅ only where 外国語活動 has its column.
        {F::SouJyugyouJisuu, u"ＡＢＣＤ計", S::TotalLetters, F::gaikokugokatsudou, false},
        {F::SouJyugyouJisuu, u"ＡＢＣＤＥ計", S::TotalLettersLong, F::gaikokugokatsudou, true},
        {F::uchikiri, u"打切時数", S::Outside},
        {F::yobi, u"予備時数", S::Outside},
        {F::SouJisuu, u"総時数", S::Spaced},
    }};
    std::array<HeadingStack, kHeadingStackCount> stacks{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Text &t = texts[i];
        const StackPlace &place = places[std::size_t(t.shape)];
        stacks[i] = {t.field,         place.dx, t.chars, place.ys, t.other.value_or(t.field),
                     t.whenOtherShown};
    }
    return stacks;
}

// Whether each stack gives a height to every one of its characters; the sheets check their
// tables with it as they are compiled.
constexpr bool fncStacksHaveHeights(std::span<const HeadingStack> stacks) {
    for (const HeadingStack &stack : stacks) {
        if (stack.chars.size() > qsizetype(stack.ys.size()))
            return false;
        for (qsizetype i = 0; i < stack.chars.size(); ++i)
            if (stack.ys[std::size_t(i)] <= 0)
                return false;
    }
    return true;
}

// A sheet's scale of the table.
struct FigureTableLayout {
    int left;        // the table's left rule: the first column starts here
    int right;       // the frame's right edge: the last column ends here
    int bandTop;     // the rule under the table's title; rules outside the groups start here
    int groupTitleY; // the groups' titles, below that rule
    int underlineY;  // the rule under the groups' titles; rules inside a group start here
    int bottom;      // the bottom of the heading
    std::array<int, 2> groupTitleDx; // 教科 and 特別活動 titles from their group's left rule
    FigureOffsets oneSlot;           // figures of a one-slot column
    FigureOffsets twoSlots;          // figures of a total
    int inset; // the gap figures keep from the rules of their cell (printFigureInCell)
    std::span<const HeadingStack> headings; // in display order
};

class FigureTable {
  public:
    struct Column {
        HourField field;
        CellSpan cell;
        int rowX;
        int rowWidth; // characters of a week figure
        int blockX;
        int blockWidth; // characters of a plan, actual or difference figure
    };

    FigureTable(const AppState &state, const FigureTableLayout &layout);

    const QList<Column> &columns() const { return m_columns; }

    // The table's heading in the font size in force: the rule under its title, the groups'
    // titles, the heading stacks and the rules between the columns down to the heading's
    // bottom. Leaves line width 2 in force.
    void printHeading(PageSurface &surface) const;
    // The week's figures in `size` points.
    void printWeekFigures(PageSurface &surface, const HourCounts &hours, int y, int size) const;
    // Plan, actual and their difference for every column in `size` points; a difference below
    // zero in red, above zero in blue.
    void printBlockFigures(PageSurface &surface, const HourCounts &plan, const HourCounts &actual,
                           int yPlan, int yActual, int yDifference, int size) const;
    // The rules between the columns from `top` to `bottom`: width 1 between two columns of the
    // same kind, width 2 at every other border and beside the subtotals and totals.
    void drawColumnLines(PageSurface &surface, int top, int bottom) const;

  private:
    // A heading group: a run of columns of one kind with the subtotal that follows them.
    struct Group {
        int first; // column index
        int last;
        QStringView title;
        int titleDx;
        int innerHeaderWidth; // line width of the rules inside the group's heading
    };

    bool shown(HourField field) const { return m_shown[static_cast<int>(field)]; }
    int groupOf(int column) const;

    FigureTableLayout m_layout;
    std::array<bool, kHourFieldCount> m_shown{};
    QList<Column> m_columns;
    QList<Group> m_groups;
};

} // namespace mirune
