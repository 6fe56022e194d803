#pragma once

#include "app_state.h"
#include "monthly_totals.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <array>

namespace mirune {

// Where each row stands against its pace: the year's plan is due in proportion to the school
// days already past. The one rule of "due by today": the hours chart's orange mark, the month
// view, the month sheet and the command line's months all take their figures from here.

// The day the pace is taken on, at its start: `today` held from the first day of the school year
// (1 April, nothing past) to the day after its last (the next 1 April, every school day past),
// so that the day shown with the figures is the day they are of.
QDate fncPaceDate(const AppState &state, const QDate &today);

// The plan due by a day: the year's plan × the school days before it ÷ the year's school days,
// to the nearest unit, halves up (the figure the chart gives its mark). 0 in a year without
// school days.
int fncDueUnits(int yearPlan, int daysPast, int yearSchoolDays);

// Whether a row is behind: short of what is due by more than one week's worth of its lessons
// (its year plan × 5 ÷ the year's school days) and by more than one lesson in any case.
bool fncIsBehind(int yearPlan, int actual, int due, int yearSchoolDays);

// Whether a row can fall behind: every lesson row and the subtotals and totals of lessons;
// not the cut-off and reserve hours, which are no lessons to keep up with.
bool fncHasPace(HourField field);

struct PaceRow {
    HourField field = HourField::kokugo;
    int yearPlan = 0;
    int actual = 0; // the year's actual hours: every registered day
    // The plan due by the pace's day; of a subtotal or total, the sum of its rows' dues.
    int due = 0;
    int difference = 0; // actual minus due
    bool behind = false;
};

// The months of the year and the pace of every row on one day.
struct MonthlyPace {
    QDate date;                                  // the day the pace is taken on (fncPaceDate)
    int daysPast = 0;                            // school days of the year before `date`
    MonthlyTotals totals;                        // the months and the year's school days
    std::array<PaceRow, kHourFieldCount> rows{}; // every field, in display order
    QList<HourField> shownFields; // the rows the hours summary shows, in display order

    const PaceRow &row(HourField field) const { return rows[static_cast<int>(field)]; }
    // The due figures of every field, as a totals record holds them.
    HourCounts due() const;
    // The shown rows that are behind, in display order.
    QList<HourField> behindRows() const;
};

// The texts of the month table, the same in the window, the outputs and on paper.
inline constexpr QStringView kSchoolDaysRowName = u"授業日数";
inline constexpr QStringView kYearActualHeading = u"年間･実績";
inline constexpr QStringView kYearPlanHeading = u"年間･計画";
inline constexpr QStringView kDueHeading = u"今日までの計画";
inline constexpr QStringView kDueDifferenceHeading = u"増減";
inline constexpr QStringView kPaceHeading = u"状況";
inline constexpr QStringView kBehindWord = u"遅れ";
// A month's heading: "4月" .. "3月", index 0 April.
QString fncMonthHeading(int index);

// The months and the pace of the state's school year on `today` (held inside the year).
// Only reads the state.
MonthlyPace fncMonthlyPace(const AppState &state, const QDate &today);

// The subjects and activities behind on `today`, in display order: the shown rows that are
// behind, less the subtotals and totals. What the main window counts after a registration.
QList<HourField> fncBehindFields(const AppState &state, const QDate &today);

} // namespace mirune
