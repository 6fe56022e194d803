#pragma once

// The frame, its head and the figure table of the term hours summary sheet, which the month sheet
// shares: the figure columns from x = 1406 to the frame's right edge at 14286, headed from
// y = 1368 to 3306.

#include "figure_table.h"

namespace mirune {

// The frame of the term hours summary sheet, which the month sheet draws in too (twips).
namespace term_total_frame {
inline constexpr int kLeft = 570;
inline constexpr int kRight = 14286;
inline constexpr int kTop = 1045;
inline constexpr int kHeaderBottom = 3306;
inline constexpr int kRowHeight = 323;
inline constexpr int kDoubleLineGap = 38;
inline constexpr int kMonthColumnRight = 988;
inline constexpr int kFiguresLeft = 1406;
// Where the month column's and the school-day column's texts stand.
inline constexpr int kLabelX = 608;
inline constexpr int kDaysX = 1026;
} // namespace term_total_frame

// Where the heading stacks stand, as on the year sheet at this scale.
inline constexpr StackPlaces kTermTotalStackPlaces = {{
    {76, {1729, 2152}},                          // Pair
    {76, {1729, 2052, 2375, 2698}},              // InGroup
    {76, {1710, 2014, 2337, 2660, 2983}},        // Subtotal
    {76, {1506, 1929, 2983}},                    // LetteredPair
    {76, {1406, 1729, 2052, 2375, 2698, 2983}},  // LetteredLong
    {76, {1406, 1729, 2052, 2375, 2698}},        // Outside
    {598, {1406, 1729, 2052, 2375, 2698}},       // TotalLetters
    {598, {1406, 1729, 2052, 2375, 2698, 3021}}, // TotalLettersLong
    {176, {1406, 2052, 2698}},                   // Spaced
}};
inline constexpr auto kTermTotalHeadings = fncHeadingStacks(kTermTotalStackPlaces);

static_assert(fncStacksHaveHeights(kTermTotalHeadings));

// The head of the frame down to the first row: the title, the sheet's date where it has one, the
// teacher, the figure columns' headings and the month and school-day columns' own.
void printTermTotalHeader(PageSurface &s, const FigureTable &figures, const QString &title,
                          const QString &dateLine, const QString &teacher);

// The frame's bottom under the block of rows that ends at `blockBottom`: a double line, then the
// heavy rule and the frame's sides down to it. Returns the frame's bottom.
int printTermTotalFrameBottom(PageSurface &s, int blockBottom);

inline constexpr FigureTableLayout kTermTotalFigureTable{
    .left = 1406,
    .right = 14286,
    .bandTop = 1368,
    .groupTitleY = 1387,
    .underlineY = 1691,
    .bottom = 3306,
    .groupTitleDx = {1680, 100},
    .oneSlot = {.row = 38, .block = 10},
    .twoSlots = {.row = 138, .block = 100},
    // Figures keep from the rules of their cells the gap the block figures keep from the left
    // one.
    .inset = 10,
    .headings = kTermTotalHeadings,
};

} // namespace mirune
