#include "term_split.h"

#include "app_state.h"
#include "school_day.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace mirune {

std::array<int, 3> fncSplitOverTerms(int baseUnits, const std::array<int, 3> &schoolDays) {
    std::array<qint64, 3> weights{};
    for (int t = 0; t < 3; ++t)
        weights[t] = std::max(0, schoolDays[t]);
    qint64 totalWeight = std::accumulate(weights.begin(), weights.end(), qint64(0));
    if (totalWeight == 0) {
        weights = {1, 1, 1};
        totalWeight = 3;
    }
    // A negative base (never typed on the plan page, but a file may hold one) is spread as its
    // magnitude and given its sign back.
    const qint64 magnitude = std::llabs(baseUnits);
    std::array<int, 3> shares{};
    std::array<qint64, 3> remainders{};
    qint64 given = 0;
    for (int t = 0; t < 3; ++t) {
        shares[t] = int(magnitude * weights[t] / totalWeight);
        remainders[t] = magnitude * weights[t] % totalWeight;
        given += shares[t];
    }
    std::array<int, 3> order = {0, 1, 2};
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return remainders[a] > remainders[b]; });
    for (int i = 0; given < magnitude; ++i, ++given)
        ++shares[order[i % 3]];
    if (baseUnits < 0)
        for (int &share : shares)
            share = -share;
    return shares;
}

void subSplitBasePlanOverTerms(AppState &state) {
    if (!state.objYearPlan || !state.objSeasonPlan)
        return;
    const std::array<int, 4> counts = fncCountSchoolDays(state);
    const std::array<int, 3> days = {counts[0], counts[1], counts[2]};
    const auto terms = state.objSeasonPlan->terms();
    for (HourField f : baseFields()) {
        const std::array<int, 3> shares = fncSplitOverTerms((*state.objYearPlan)[f], days);
        for (int t = 0; t < 3; ++t)
            if (terms[t])
                (*terms[t])[f] = qint16(shares[t]);
    }
    for (const SeasonTotalRef &term : terms)
        if (term)
            term->hours.deriveTotals();
    state.objSeasonPlan->calculate();
}

} // namespace mirune
