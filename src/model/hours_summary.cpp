#include "hours_summary.h"

#include "school_day.h"
#include "term_rule.h"
#include "units.h"

namespace mirune {

using namespace Qt::StringLiterals;

HoursSummary fncHoursSummary(const AppState &state, int term) {
    HoursSummary summary;
    summary.term = std::clamp(term, 1, 3);
    subRefreshActualTotals(state);

    const auto plans = fncPlanTerms(state);
    const auto actuals = state.objYearTotal->terms();
    for (int t = 0; t < 3; ++t) {
        summary.termPlans[t] = plans[t]->hours;
        summary.termActuals[t] = actuals[t] ? actuals[t]->hours : HourCounts{};
    }
    if (state.objSeasonPlan)
        summary.yearPlan = state.objSeasonPlan->hours;
    summary.yearActual = state.objYearTotal->hours;

    const HourCounts &plan = summary.termPlans[summary.term - 1];
    const HourCounts &actual = summary.termActuals[summary.term - 1];
    for (HourField f : displayOrder()) {
        HoursSummaryRow &row = summary.rows[static_cast<int>(f)];
        row.field = f;
        row.termPlan = plan[f];
        row.termActual = actual[f];
        row.termDifference = row.termActual - row.termPlan;
        row.yearPlan = summary.yearPlan[f];
        row.yearActual = summary.yearActual[f];
        row.yearDifference = row.yearActual - row.yearPlan;
        row.termRate = fncImplementationRate(row.termPlan, row.termActual);
        row.yearRate = fncImplementationRate(row.yearPlan, row.yearActual);
    }
    return summary;
}

const std::array<SummaryColumn, kHoursSummaryColumns> &hoursSummaryColumns() {
    using K = SummaryColumn::Kind;
    static constexpr std::array<SummaryColumn, kHoursSummaryColumns> columns = {{
        {u"教科", K::Name, false},
        {u"学期･計画", K::Figure, true},
        {u"学期･実績", K::Figure, true},
        {u"学期･増減", K::Difference, true},
        {u"年間･計画", K::Figure, false},
        {u"年間･実績", K::Figure, false},
        {u"年間･増減", K::Difference, false},
        {u"学期･実施率", K::Rate, true},
        {u"年間･実施率", K::Rate, false},
    }};
    return columns;
}

const std::array<QString, kHoursSummaryColumns> &hoursSummaryHeadings() {
    static const std::array<QString, kHoursSummaryColumns> headings = [] {
        std::array<QString, kHoursSummaryColumns> texts;
        for (int c = 0; c < kHoursSummaryColumns; ++c)
            texts[c] = hoursSummaryColumns()[c].heading.toString();
        return texts;
    }();
    return headings;
}

std::optional<double> fncImplementationRate(int plan, int actual) {
    if (plan <= 0)
        return std::nullopt;
    return 100.0 * actual / plan;
}

QString fncRateText(std::optional<double> rate) {
    if (!rate)
        return QString::fromUtf16(kNoRate);
    return QString::number(*rate, 'f', 1) + u'%';
}

std::array<QString, kHoursSummaryColumns> fncSummaryRowTexts(const HoursSummaryRow &row) {
    std::array<QString, kHoursSummaryColumns> texts;
    const auto units = fncSummaryRowUnits(row);
    for (int c = 0; c < kHoursSummaryColumns; ++c) {
        switch (hoursSummaryColumns()[c].kind) {
        case SummaryColumn::Kind::Name:
            texts[c] = subjectInfo(row.field).summaryName.toString();
            break;
        case SummaryColumn::Kind::Figure:
        case SummaryColumn::Kind::Difference:
            texts[c] = fncUnitsToText(units[c]);
            break;
        case SummaryColumn::Kind::Rate:
            texts[c] = fncRateText(fncSummaryRowRate(row, c));
            break;
        }
    }
    return texts;
}

std::array<int, kHoursSummaryColumns> fncSummaryRowUnits(const HoursSummaryRow &row) {
    return {0,
            row.termPlan,
            row.termActual,
            row.termDifference,
            row.yearPlan,
            row.yearActual,
            row.yearDifference,
            0,
            0};
}

std::optional<double> fncSummaryRowRate(const HoursSummaryRow &row, int column) {
    if (column < 0 || column >= kHoursSummaryColumns ||
        hoursSummaryColumns()[column].kind != SummaryColumn::Kind::Rate)
        return std::nullopt;
    return hoursSummaryColumns()[column].term ? row.termRate : row.yearRate;
}

int fncSummaryTermForMonth(int month) {
    return termOfMonth(month);
}

} // namespace mirune
