#pragma once

// The sheet routines. Each draws one page on the surface, from its start (orientation and
// font) to its end (end of the document). The year and term sheets first bring the actual term
// totals of objYearTotal up to date from the day chain; nothing else in the state changes.

#include "model/app_state.h"
#include "page_surface.h"

#include <QDate>

namespace mirune {

// The year's timetable with the weekly hours, a plan/actual/difference block per term and one
// for the year.
void subPrintYear(const AppState &state, PageSurface &surface);
// The timetable of term intSeason (1..3).
void subPrintSeasonTimeChart(const AppState &state, PageSurface &surface, int intSeason);
// The weekly hours of term intSeason (1..3) with its plan/actual/difference block.
void subPrintSeasonTotal(const AppState &state, PageSurface &surface, int intSeason);
// Weekly timetable A (intWeekPlan 0) or B (1) as a wall chart.
void subPrintWeekPlan(const AppState &state, PageSurface &surface, int intWeekPlan);
// The months of the year with their school days and actual hours, then the year's plan, the plan
// due by `today` (held inside the school year), the actual hours, their difference and the
// subjects behind. Only reads the state.
void subPrintMonths(const AppState &state, PageSurface &surface, const QDate &today);

} // namespace mirune
