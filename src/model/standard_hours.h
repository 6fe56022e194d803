#pragma once

#include "hour_totals.h"

#include <QStringView>
#include <optional>

namespace mirune {

// The standard lesson hours (標準授業時数) of a school year and grade: the hours per subject row
// that the national table sets for a year of lessons, which every annual plan starts from.
struct StandardHours {
    int year = 0;
    int grade = 0;
    // The course of study the table belongs to, by the year of its guidelines: "1998", "2008" or
    // "2017".
    QStringView curriculum;
    // A year of moving from one course of study to the next; its figures follow the transition
    // measures where they are carried here, else the earlier table (`followsEarlierTable`).
    bool transition = false;
    bool followsEarlierTable = false;
    // Lesson hours (45 minutes each) per base field; 特別活動's hours stand under 学活. The
    // derived fields hold the subtotals and totals (総授業時数 in SouJyugyouJisuu).
    std::array<int, kHourFieldCount> lessonHours{};

    int hoursOf(HourField field) const { return lessonHours[static_cast<int>(field)]; }
    int total() const { return hoursOf(HourField::SouJyugyouJisuu); }
    // The same figures in 15-minute units, as a plan holds them.
    HourCounts units() const;
};

// The first school year with a table: the year list of the program starts there.
inline constexpr int kFirstStandardHoursYear = 2002;

// The table for a school year and grade 1 to 6; none before 2002 or for another grade.
std::optional<StandardHours> fncStandardHours(int year, int grade);

} // namespace mirune

namespace mirune {

struct AppState;

// Whether the base plan holds any figure other than 0.
bool fncBasePlanHasFigures(const AppState &state);

// 標準時数を入れる: the base plan's figures set to the standard hours of the plan's school year
// and grade, with its totals derived again. False, and nothing changed, when there is no table
// for that year and grade.
bool subFillBasePlanFromStandard(AppState &state);

} // namespace mirune
