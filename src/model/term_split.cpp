#include "term_split.h"

#include "app_state.h"
#include "school_day.h"
#include "units.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace mirune {

namespace {

// `count` items shared out by the weights: each share first takes the whole items of its part,
// then the items left over go one each to the largest remainders (the earlier share first on a
// tie). The shares add up to `count`.
std::array<qint64, 3> largestRemainder(qint64 count, const std::array<qint64, 3> &weights,
                                       qint64 totalWeight) {
    std::array<qint64, 3> shares{};
    std::array<qint64, 3> remainders{};
    qint64 given = 0;
    for (int t = 0; t < 3; ++t) {
        shares[t] = count * weights[t] / totalWeight;
        remainders[t] = count * weights[t] % totalWeight;
        given += shares[t];
    }
    std::array<int, 3> order = {0, 1, 2};
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return remainders[a] > remainders[b]; });
    // What is left is less than the number of shares with a remainder, so it goes to them.
    for (int i = 0; given < count; ++i, ++given)
        ++shares[order[i % 3]];
    return shares;
}

} // namespace

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
    const qint64 lessons = magnitude / kUnitsPerLessonHour;
    const qint64 rest = magnitude % kUnitsPerLessonHour;

    // A teacher plans whole lessons: the base's lessons are shared out as lessons.
    const std::array<qint64, 3> lessonShares = largestRemainder(lessons, weights, totalWeight);
    std::array<int, 3> shares{};
    for (int t = 0; t < 3; ++t)
        shares[t] = int(lessonShares[t] * kUnitsPerLessonHour);

    // A base with a 15- or 30-minute rest keeps it whole, in the term that its school days
    // leave shortest of its share (in units, times the total weight to stay in integers).
    if (rest > 0) {
        int shortest = 0;
        qint64 shortBy = 0;
        for (int t = 0; t < 3; ++t) {
            const qint64 by = magnitude * weights[t] - qint64(shares[t]) * totalWeight;
            if (t == 0 || by > shortBy) {
                shortest = t;
                shortBy = by;
            }
        }
        shares[shortest] += int(rest);
    }
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
