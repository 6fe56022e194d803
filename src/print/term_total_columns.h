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

// The heading stacks, in display order, as on the year sheet at this scale.
inline constexpr std::array<HeadingStack, 25> kTermTotalHeadings = {{
    {HourField::kokugo, 76, u"国語", {1729, 2152}},
    {HourField::syakai, 76, u"社会", {1729, 2152}},
    {HourField::sannsuu, 76, u"算数", {1729, 2152}},
    {HourField::rika, 76, u"理科", {1729, 2152}},
    {HourField::seikatsu, 76, u"生活", {1729, 2152}},
    {HourField::onngaku, 76, u"音楽", {1729, 2152}},
    {HourField::zukou, 76, u"図工", {1729, 2152}},
    {HourField::katei, 76, u"家庭", {1729, 2152}},
    {HourField::taiiku, 76, u"体育", {1729, 2152}},
    {HourField::gaikokugo, 76, u"外国語", {1729, 2052, 2375}},
    {HourField::KyoukaSyoukei, 76, u"教科小計Ａ", {1710, 2014, 2337, 2660, 2983}},
    {HourField::sougou, 76, u"総合Ｂ", {1506, 1929, 2983}},
    {HourField::doutoku, 76, u"道徳Ｃ", {1506, 1929, 2983}},
    {HourField::gaikokugokatsudou, 76, u"外国語活動Ｅ", {1406, 1729, 2052, 2375, 2698, 2983}},
    {HourField::gakkyuukatsudou, 76, u"学級活動", {1729, 2052, 2375, 2698}},
    {HourField::kurabu, 76, u"クラブ", {1729, 2052, 2375}},
    {HourField::jidoukai, 76, u"児童会", {1729, 2052, 2375}},
    {HourField::gakkougyouji, 76, u"学校行事", {1729, 2052, 2375, 2698}},
    {HourField::TokkatsuSyoukei, 76, u"特活小計Ｄ", {1710, 2014, 2337, 2660, 2983}},
    {HourField::SouJyugyouJisuu, 76, u"総授業時数", {1406, 1729, 2052, 2375, 2698}},
    {HourField::SouJyugyouJisuu,
     598,
     u"ＡＢＣＤ計",
     {1406, 1729, 2052, 2375, 2698},
     HourField::gaikokugokatsudou,
     false},
    {HourField::SouJyugyouJisuu,
     598,
     u"ＡＢＣＤＥ計",
     {1406, 1729, 2052, 2375, 2698, 3021},
     HourField::gaikokugokatsudou,
     true},
    {HourField::uchikiri, 76, u"打切時数", {1406, 1729, 2052, 2375}},
    {HourField::yobi, 76, u"予備時数", {1406, 1729, 2052, 2375}},
    {HourField::SouJisuu, 176, u"総時数", {1406, 2052, 2698}},
}};

static_assert(fncStacksHaveHeights(kTermTotalHeadings));

// The head of the frame down to the first row: the title, the sheet's date where it has one, the
// teacher, the figure columns' headings and the month and school-day columns' own.
void printTermTotalHeader(PageSurface &s, const FigureTable &figures, const QString &title,
                          const QString &dateLine, const QString &teacher);

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
