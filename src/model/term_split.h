#pragma once

#include <array>

namespace mirune {

struct AppState;

// A base figure spread over the three terms in proportion to each term's school days, in whole
// 15-minute units: each term first takes the whole units of its share, then the units left over
// go one each to the terms with the largest remainders (the earlier term first on a tie), so
// that the three always add up to the base exactly. A term without school days takes nothing;
// when no term has any, the base is spread evenly.
std::array<int, 3> fncSplitOverTerms(int baseUnits, const std::array<int, 3> &schoolDays);

// 学期に配分: each base field's figure of the base plan spread over the terms of the term plans
// by the school days of the plan's year, with the term plans' totals derived again.
void subSplitBasePlanOverTerms(AppState &state);

} // namespace mirune
