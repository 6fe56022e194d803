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

// The summary table's columns, left to right: the row name, the term's plan, actual and
// difference, the year's, then the two 実施率 at the right. What each is, written once: the
// window, the workbook, the CSV and the text all lay their columns out from here.
inline constexpr int kHoursSummaryColumns = 9;
struct SummaryColumn {
    enum class Kind { Name, Figure, Difference, Rate };
    QStringView heading;
    Kind kind;
    bool term; // the chosen term's, not the year's (the name column counts as neither)
};
const std::array<SummaryColumn, kHoursSummaryColumns> &hoursSummaryColumns();
// The headings alone, column 0 the row-name column.
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
// The signed unit counts behind the figure and difference columns, by column (0 for the name
// and rate columns), for colouring and for spreadsheets that total them.
std::array<int, kHoursSummaryColumns> fncSummaryRowUnits(const HoursSummaryRow &row);
// The 実施率 behind a rate column; none for the other columns.
std::optional<double> fncSummaryRowRate(const HoursSummaryRow &row, int column);

// The term a date's month preselects in the summary window: the term that month's days count
// in (April..July 1, August..December 2, January..March 3), so a date in August shows the
// second term, whose totals hold it.
int fncSummaryTermForMonth(int month);

} // namespace mirune
