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

const std::array<QString, kHoursSummaryColumns> &hoursSummaryHeadings() {
    static const std::array<QString, kHoursSummaryColumns> headings = {
        u"教科"_s,      u"学期･計画"_s, u"学期･実績"_s,   u"学期･増減"_s,   u"年間･計画"_s,
        u"年間･実績"_s, u"年間･増減"_s, u"学期･実施率"_s, u"年間･実施率"_s,
    };
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
    texts[0] = subjectInfo(row.field).summaryName.toString();
    const auto units = fncSummaryRowUnits(row);
    for (int c = 1; c < 7; ++c)
        texts[c] = fncUnitsToText(units[c]);
    texts[7] = fncRateText(row.termRate);
    texts[8] = fncRateText(row.yearRate);
    return texts;
}

std::array<int, 7> fncSummaryRowUnits(const HoursSummaryRow &row) {
    return {0,
            row.termPlan,
            row.termActual,
            row.termDifference,
            row.yearPlan,
            row.yearActual,
            row.yearDifference};
}

double fncShareOfYearPast(const AppState &state, const QDate &today) {
    const DateRange year = schoolYearRange(state.intYear);
    int total = 0;
    int past = 0;
    for (QDate d = year.first; d.isValid() && d <= year.last; d = d.addDays(1)) {
        if (!fncIsSchoolDay(state, d))
            continue;
        ++total;
        if (d < today)
            ++past;
    }
    return total == 0 ? 0.0 : double(past) / total;
}

int fncSummaryTermForMonth(int month) {
    return termOfMonth(month);
}

} // namespace mirune
