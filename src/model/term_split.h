#pragma once

#include <array>

namespace mirune {

struct AppState;

// A base figure spread over the three terms in proportion to each term's school days, in whole
// lessons of 3 units: each term first takes the whole lessons of its share, then the lessons left
// over go one each to the terms with the largest remainders (the earlier term first on a tie).
// A base that is not whole lessons keeps its 15- or 30-minute rest in one term, the one its
// lessons left furthest below its share. The three always add up to the base exactly. A term
// without school days takes nothing; when no term has any, the base is spread evenly.
// 国語 175 lessons over 71, 77 and 47 days: 64, 69 and 42; クラブ 3 lessons: 1, 1 and 1.
std::array<int, 3> fncSplitOverTerms(int baseUnits, const std::array<int, 3> &schoolDays);

// 学期に配分: each base field's figure of the base plan spread over the terms of the term plans
// by the school days of the plan's year, with the term plans' totals derived again.
void subSplitBasePlanOverTerms(AppState &state);

} // namespace mirune
