#include "figure_table.h"

#include "model/curriculum_rows.h"
#include "print_format.h"
#include "sheet_frame.h"

namespace mirune {

namespace {

using F = HourField;
using K = SubjectKind;

// The groups of the heading, in the order they are drawn: the school subjects with 教科小計,
// the special activities with 特活小計. The rules inside the subjects' heading are as heavy as
// the group's border; those inside the activities' are light.
struct GroupKind {
    SubjectKind kind;
    QStringView title;
    int innerHeaderWidth;
};
constexpr std::array<GroupKind, 2> kGroupKinds = {{
    {K::Subject, u"教　　　　科", 2},
    {K::Activity, u"特 別 活 動", 1},
}};

// How many slots a column takes and how many characters its figures are padded to. The
// totals take two slots and six characters; 教科小計, the largest subtotal of a week, five.
struct ColumnShape {
    int slotSpan = 1;
    int rowWidth = 4;
    int blockWidth = 5;
};

ColumnShape columnShape(HourField field) {
    switch (field) {
    case F::SouJyugyouJisuu:
    case F::SouJisuu:
        return {2, 6, 6};
    case F::KyoukaSyoukei:
        return {1, 5, 5};
    default:
        return {};
    }
}

} // namespace

bool fncSheetShowsField(const AppState &state, HourField field) {
    return !subjectInfo(field).laterCurriculum || fncPlanUsesField(state, field);
}

FigureTable::FigureTable(const AppState &state, const FigureTableLayout &layout)
    : m_layout(layout) {
    int slotCount = 0;
    for (HourField f : displayOrder()) {
        m_shown[static_cast<int>(f)] = fncSheetShowsField(state, f);
        if (shown(f))
            slotCount += columnShape(f).slotSpan;
    }

    // Column edges divide the table's width evenly among the slots: 23 slots of 295 twips on
    // the year sheet and of 560 on the term sheet for the 2002 rows, narrower ones for more.
    const int width = layout.right - layout.left;
    const auto edge = [&](int slot) { return layout.left + width * slot / slotCount; };
    int slot = 0;
    for (HourField f : displayOrder()) {
        if (!shown(f))
            continue;
        const ColumnShape shape = columnShape(f);
        const int left = edge(slot);
        slot += shape.slotSpan;
        const FigureOffsets &at = shape.slotSpan > 1 ? layout.twoSlots : layout.oneSlot;
        m_columns.append({f,
                          {left, edge(slot)},
                          left + at.row,
                          shape.rowWidth,
                          left + at.block,
                          shape.blockWidth});
    }

    // A group is a run of columns of its kind and the subtotal right after it.
    for (std::size_t g = 0; g < kGroupKinds.size(); ++g) {
        int first = -1;
        int last = -1;
        for (int i = 0; i < m_columns.size(); ++i) {
            const SubjectKind kind = subjectInfo(m_columns[i].field).kind;
            if (kind == kGroupKinds[g].kind) {
                if (first < 0)
                    first = i;
                last = i;
            } else if (first >= 0) {
                if (kind == K::Derived)
                    last = i;
                break;
            }
        }
        if (first >= 0)
            m_groups.append({first, last, kGroupKinds[g].title, layout.groupTitleDx[g],
                             kGroupKinds[g].innerHeaderWidth});
    }
}

int FigureTable::groupOf(int column) const {
    for (int g = 0; g < m_groups.size(); ++g)
        if (column >= m_groups[g].first && column <= m_groups[g].last)
            return g;
    return -1;
}

void FigureTable::printHeading(PageSurface &s) const {
    const FigureTableLayout &l = m_layout;
    s.setLineWidth(2);
    hline(s, l.left, l.right, l.bandTop);
    for (const Group &g : m_groups)
        s.printAt(m_columns[g.first].cell.left + g.titleDx, l.groupTitleY, g.title.toString());

    int column = 0;
    for (const HeadingStack &stack : l.headings) {
        if (!shown(stack.field) || shown(stack.other) != stack.whenOtherShown)
            continue;
        while (column < m_columns.size() && m_columns[column].field != stack.field)
            ++column;
        if (column == m_columns.size())
            break; // stacks stand in display order
        const int x = m_columns[column].cell.left + stack.dx;
        for (qsizetype i = 0; i < stack.chars.size(); ++i)
            s.printAt(x, stack.ys[i], stack.chars.mid(i, 1).toString());
    }

    // The rules outside the groups reach up to the title's rule; then each group's underline,
    // the rules inside it from the underline, and its right border from the title's rule.
    for (int i = 0; i + 1 < m_columns.size(); ++i)
        if (groupOf(i) < 0)
            vline(s, m_columns[i].cell.right, l.bandTop, l.bottom);
    for (const Group &g : m_groups)
        hline(s, m_columns[g.first].cell.left, m_columns[g.last].cell.right, l.underlineY);
    int width = 2;
    for (const Group &g : m_groups) {
        if (width != g.innerHeaderWidth)
            s.setLineWidth(width = g.innerHeaderWidth);
        for (int i = g.first; i < g.last; ++i)
            vline(s, m_columns[i].cell.right, l.underlineY, l.bottom);
        if (width != 2)
            s.setLineWidth(width = 2);
        if (g.last + 1 < m_columns.size())
            vline(s, m_columns[g.last].cell.right, l.bandTop, l.bottom);
    }
}

void FigureTable::printWeekFigures(PageSurface &surface, const HourCounts &hours, int y,
                                   int size) const {
    surface.setFontSize(size);
    for (const Column &c : m_columns)
        printFigureInCell(surface, c.rowX, y, fncCtoS(hours[c.field], c.rowWidth), size, c.cell,
                          m_layout.inset);
}

void FigureTable::printBlockFigures(PageSurface &surface, const HourCounts &plan,
                                    const HourCounts &actual, int yPlan, int yActual,
                                    int yDifference, int size) const {
    surface.setFontSize(size);
    const int inset = m_layout.inset;
    for (const Column &c : m_columns) {
        const int p = plan[c.field];
        const int a = actual[c.field];
        const int d = a - p;
        printFigureInCell(surface, c.blockX, yPlan, fncCtoS(p, c.blockWidth), size, c.cell, inset);
        printFigureInCell(surface, c.blockX, yActual, fncCtoS(a, c.blockWidth), size, c.cell,
                          inset);
        if (d < 0)
            surface.setTextColour(textRed());
        else if (d > 0)
            surface.setTextColour(textBlue());
        printFigureInCell(surface, c.blockX, yDifference, fncCtoS(d, c.blockWidth), size, c.cell,
                          inset);
        surface.setTextColour(textBlack());
    }
}

void FigureTable::drawColumnLines(PageSurface &surface, int top, int bottom) const {
    for (int i = 0; i + 1 < m_columns.size(); ++i) {
        const SubjectKind kind = subjectInfo(m_columns[i].field).kind;
        const bool light = kind != K::Derived && kind == subjectInfo(m_columns[i + 1].field).kind;
        surface.setLineWidth(light ? 1 : 2);
        const int x = m_columns[i].cell.right;
        surface.drawLine(x, top, x, bottom);
    }
}

} // namespace mirune
