#pragma once

#include "app_state.h"

#include <array>

namespace mirune {

// Term of a calendar month as the totals count it: April..July 1, August..December 2,
// January..March 3.
int termOfMonth(int month);

// Gives the three terms of a year record their stretches of the day chain: each term runs from
// its first to its last valid record by calendar month. A term without valid records gets no
// first day (and so totals zero).
void subAssignTerms(ZuriYearTotal &year, const ZuriDayTime &head);

// The refresh the summary window and the year and term sheets run: the term rule on
// objYearTotal, then the terms' and the year's calculation.
void subRefreshActualTotals(const AppState &state);

// The three planned term records of objSeasonPlan; empty records stand in when it has none.
std::array<SeasonTotalRef, 3> fncPlanTerms(const AppState &state);

} // namespace mirune
