#pragma once

#include "app_state.h"
#include "hour_totals.h"

#include <QString>
#include <array>

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

HoursSummary fncHoursSummary(AppState &state, int term);

// The summary table's column headings, column 0 the row-name column.
const std::array<QString, 7> &hoursSummaryHeadings();

// The term a date's month preselects in the summary window: the term that month's days count
// in (April..July 1, August..December 2, January..March 3), so a date in August shows the
// second term, whose totals hold it.
int fncSummaryTermForMonth(int month);

} // namespace mirune
