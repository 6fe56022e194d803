#include "term_rule.h"

namespace mirune {

int termOfMonth(int month) {
    if (month >= 4 && month <= 7)
        return 1;
    if (month >= 8 && month <= 12)
        return 2;
    return 3;
}

void subAssignTerms(ZuriYearTotal &year, const ZuriDayTime &head) {
    const auto terms = year.terms();
    for (const SeasonTotalRef &t : terms)
        if (t)
            t->objFirstDay.reset(); // objLastDay stays: without a first day the term is empty
    for (const DayRef *link = &head.objNextDay; *link; link = &(*link)->objNextDay) {
        const DayRef &d = *link;
        if (!d->isValidRecord())
            continue;
        const SeasonTotalRef &t = terms[termOfMonth(d->dateThisDay.month()) - 1];
        if (!t)
            continue;
        if (!t->objFirstDay)
            t->objFirstDay = d;
        t->objLastDay = d;
    }
}

void subRefreshActualTotals(const AppState &state) {
    ZuriYearTotal &year = *state.objYearTotal;
    subAssignTerms(year, *state.objFirstDay);
    // full_calculate recomputes every term from its stretch before adding them up.
    year.full_calculate();
}

std::array<SeasonTotalRef, 3> fncPlanTerms(const AppState &state) {
    std::array<SeasonTotalRef, 3> terms;
    if (state.objSeasonPlan && state.objSeasonPlan->objFirstSeason)
        terms = state.objSeasonPlan->terms();
    for (SeasonTotalRef &t : terms)
        if (!t)
            t = std::make_shared<ZuriSeasonTotal>();
    return terms;
}

} // namespace mirune
