#include "standard_hours.h"

#include "app_state.h"

#include <array>

namespace mirune {

namespace {

using F = HourField;

// One subject row of a table: lesson hours for grades 1 to 6.
struct GradeRow {
    HourField field;
    std::array<int, 6> hours;
};

// 学校教育法施行規則 別表第一 as revised with the 1998 course of study (平成10年文部省令第44号),
// in force for school years 2002 to 2010. 特別活動 stands under 学活.
constexpr std::array<GradeRow, 12> kTable1998 = {{
    {F::kokugo, {272, 280, 235, 235, 180, 175}},
    {F::syakai, {0, 0, 70, 85, 90, 100}},
    {F::sannsuu, {114, 155, 150, 150, 150, 150}},
    {F::rika, {0, 0, 70, 90, 95, 95}},
    {F::seikatsu, {102, 105, 0, 0, 0, 0}},
    {F::onngaku, {68, 70, 60, 60, 50, 50}},
    {F::zukou, {68, 70, 60, 60, 50, 50}},
    {F::katei, {0, 0, 0, 0, 60, 55}},
    {F::taiiku, {90, 90, 90, 90, 90, 90}},
    {F::doutoku, {34, 35, 35, 35, 35, 35}},
    {F::gakkyuukatsudou, {34, 35, 35, 35, 35, 35}},
    {F::sougou, {0, 0, 105, 105, 110, 110}},
}};
// 総授業時数 of that table: 782, 840, 910, 945, 945, 945.

// 別表第一 as revised with the 2008 course of study (平成20年文部科学省令第5号), in force for
// school years 2011 to 2019; 外国語活動 35 hours in grades 5 and 6.
constexpr std::array<GradeRow, 13> kTable2008 = {{
    {F::kokugo, {306, 315, 245, 245, 175, 175}},
    {F::syakai, {0, 0, 70, 90, 100, 105}},
    {F::sannsuu, {136, 175, 175, 175, 175, 175}},
    {F::rika, {0, 0, 90, 105, 105, 105}},
    {F::seikatsu, {102, 105, 0, 0, 0, 0}},
    {F::onngaku, {68, 70, 60, 60, 50, 50}},
    {F::zukou, {68, 70, 60, 60, 50, 50}},
    {F::katei, {0, 0, 0, 0, 60, 55}},
    {F::taiiku, {102, 105, 105, 105, 90, 90}},
    {F::doutoku, {34, 35, 35, 35, 35, 35}},
    {F::gaikokugokatsudou, {0, 0, 0, 0, 35, 35}},
    {F::sougou, {0, 0, 70, 70, 70, 70}},
    {F::gakkyuukatsudou, {34, 35, 35, 35, 35, 35}},
}};
// 総授業時数: 850, 910, 945, 980, 980, 980.

// 別表第一 as revised with the 2017 course of study (平成29年文部科学省令第20号), in force from
// school year 2020: 外国語 70 hours in grades 5 and 6, 外国語活動 35 in grades 3 and 4.
constexpr std::array<GradeRow, 14> kTable2017 = {{
    {F::kokugo, {306, 315, 245, 245, 175, 175}},
    {F::syakai, {0, 0, 70, 90, 100, 105}},
    {F::sannsuu, {136, 175, 175, 175, 175, 175}},
    {F::rika, {0, 0, 90, 105, 105, 105}},
    {F::seikatsu, {102, 105, 0, 0, 0, 0}},
    {F::onngaku, {68, 70, 60, 60, 50, 50}},
    {F::zukou, {68, 70, 60, 60, 50, 50}},
    {F::katei, {0, 0, 0, 0, 60, 55}},
    {F::taiiku, {102, 105, 105, 105, 90, 90}},
    {F::gaikokugo, {0, 0, 0, 0, 70, 70}},
    {F::doutoku, {34, 35, 35, 35, 35, 35}},
    {F::gaikokugokatsudou, {0, 0, 35, 35, 0, 0}},
    {F::sougou, {0, 0, 70, 70, 70, 70}},
    {F::gakkyuukatsudou, {34, 35, 35, 35, 35, 35}},
}};
// 総授業時数: 850, 910, 980, 1015, 1015, 1015.

// The transition measures of the 2017 course of study (小学校学習指導要領の移行措置, 文部科学省告示
// of 2017) for school years 2018 and 2019: 外国語活動 15 hours a year in grades 3 and 4 and 50
// in grades 5 and 6, on top of the 2008 table. (Schools could take up to 15 of them from 総合;
// the standard itself keeps 総合 at 70.)
constexpr std::array<int, 6> kForeignActivity2018 = {0, 0, 15, 15, 50, 50};

template <std::size_t N> void fill(StandardHours &s, const std::array<GradeRow, N> &table) {
    for (const GradeRow &row : table)
        s.lessonHours[static_cast<int>(row.field)] = row.hours[s.grade - 1];
}

void derive(StandardHours &s) {
    HourCounts counts;
    for (HourField f : baseFields())
        counts[f] = qint16(s.hoursOf(f));
    counts.deriveTotals();
    for (int i = 0; i < kHourFieldCount; ++i)
        if (isDerived(static_cast<HourField>(i)))
            s.lessonHours[i] = counts.units[i];
}

} // namespace

HourCounts StandardHours::units() const {
    HourCounts counts;
    for (HourField f : baseFields())
        counts[f] = qint16(hoursOf(f) * 3);
    counts.deriveTotals();
    return counts;
}

std::optional<StandardHours> fncStandardHours(int year, int grade) {
    if (year < kFirstStandardHoursYear || grade < 1 || grade > 6)
        return std::nullopt;
    StandardHours s;
    s.year = year;
    s.grade = grade;
    if (year <= 2008) {
        s.curriculum = u"1998";
        fill(s, kTable1998);
    } else if (year <= 2010) {
        // The 2008 course of study's transition years (2009, 2010): their measures are not
        // carried here, so the 1998 table stands, marked as a transition year.
        s.curriculum = u"1998";
        s.transition = true;
        s.followsEarlierTable = true;
        fill(s, kTable1998);
    } else if (year <= 2017) {
        s.curriculum = u"2008";
        fill(s, kTable2008);
    } else if (year <= 2019) {
        s.curriculum = u"2008";
        s.transition = true;
        fill(s, kTable2008);
        s.lessonHours[static_cast<int>(F::gaikokugokatsudou)] = kForeignActivity2018[grade - 1];
    } else {
        s.curriculum = u"2017";
        fill(s, kTable2017);
    }
    derive(s);
    return s;
}

bool fncBasePlanHasFigures(const AppState &state) {
    if (!state.objYearPlan)
        return false;
    for (HourField f : baseFields())
        if ((*state.objYearPlan)[f] != 0)
            return true;
    return false;
}

bool subFillBasePlanFromStandard(AppState &state) {
    const auto standard = fncStandardHours(state.intYear, state.intGrade);
    if (!standard || !state.objYearPlan)
        return false;
    state.objYearPlan->hours = standard->units();
    return true;
}

} // namespace mirune
