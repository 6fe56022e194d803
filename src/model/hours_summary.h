#pragma once

#include "app_state.h"
#include "hour_totals.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace mirune {

// Plan, actual and difference of one field for one term and for the year, in units.
struct HoursSummaryRow {
    HourField field;
    int termPlan;
    int termActual;
    int termDifference; // actual minus plan; ints, so a difference never wraps round
    int yearPlan;
    int yearActual;
    int yearDifference;
    std::optional<double> termRate; // 実施率 in per cent; none where the plan is 0
    std::optional<double> yearRate;
};

// What the hours summary shows, and what the command line reports: the actual totals are
// recomputed from the day chain (term rule and full calculation), the plan comes from the term
// plans and their year sums.
struct HoursSummary {
    int term = 1;                                        // 1..3
    std::array<HoursSummaryRow, kHourFieldCount> rows{}; // display order
    std::array<HourCounts, 3> termPlans;
    std::array<HourCounts, 3> termActuals;
    HourCounts yearPlan;
    HourCounts yearActual;
};

HoursSummary fncHoursSummary(const AppState &state, int term);

// The summary table's column headings, column 0 the row-name column; the two 実施率 columns
// stand at the right.
inline constexpr int kHoursSummaryColumns = 9;
const std::array<QString, kHoursSummaryColumns> &hoursSummaryHeadings();

// 実施率: the actual hours as a percentage of the plan. None where there is no plan to measure
// against (0, or a negative count from a hand-edited file), never a division by zero.
std::optional<double> fncImplementationRate(int plan, int actual);

// A rate as the windows and the outputs show it: one decimal and a per cent sign ("97.5%"),
// "—" for none.
QString fncRateText(std::optional<double> rate);
inline constexpr char16_t kNoRate[] = u"—";

// The figures of one row as the table shows them, column by column (column 0 the row name).
std::array<QString, kHoursSummaryColumns> fncSummaryRowTexts(const HoursSummaryRow &row);
// The signed unit counts behind columns 1..6 (index 0 unused), for colouring and for
// spreadsheets that total them.
std::array<int, 7> fncSummaryRowUnits(const HoursSummaryRow &row);

// Where the plan should stand on `today`: the share (0..1) of the year's school days that lie
// before it. 0 before the year starts, 1 after it ends; 0 for a year without school days.
double fncShareOfYearPast(const AppState &state, const QDate &today);

// The term a date's month preselects in the summary window: the term that month's days count
// in (April..July 1, August..December 2, January..March 3), so a date in August shows the
// second term, whose totals hold it.
int fncSummaryTermForMonth(int month);

} // namespace mirune
