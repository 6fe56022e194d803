#include "hours_summary.h"

#include "term_rule.h"

namespace mirune {

using namespace Qt::StringLiterals;

HoursSummary fncHoursSummary(AppState &state, int term) {
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
    }
    return summary;
}

const std::array<QString, 7> &hoursSummaryHeadings() {
    static const std::array<QString, 7> headings = {
        u"教科"_s,      u"学期･計画"_s, u"学期･実績"_s, u"学期･増減"_s,
        u"年間･計画"_s, u"年間･実績"_s, u"年間･増減"_s,
    };
    return headings;
}

int fncSummaryTermForMonth(int month) {
    return termOfMonth(month);
}

} // namespace mirune
