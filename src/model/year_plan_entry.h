#pragma once

#include "hour_fields.h"

#include <QString>
#include <QStringView>
#include <array>
#include <type_traits>

namespace mirune {

struct AppState;

// The annual lesson plan as the plan page enters it: one row per base field in display order,
// a base figure and one figure per term in each row, every figure typed as H.R text.

inline constexpr int kPlanRows =
    int(std::tuple_size_v<std::remove_cvref_t<decltype(baseFields())>>);
inline constexpr int kPlanTerms = 3;
inline constexpr int kPlanTermBoxes = kPlanRows * kPlanTerms;

// The field of a plan row.
inline HourField planRowField(int row) {
    return baseFields()[row];
}

// The heading of a plan row: the subject's full name, shortened where the page has always
// shortened it ("ｸﾗﾌﾞ", "打切").
QStringView planRowHeading(int row);

// Index of the term box of a row and term (0 = term 1): three boxes per row, row after row.
constexpr int planTermBox(int row, int term) {
    return kPlanTerms * row + term;
}

// A plan text the page takes: whole lesson hours, optionally a point and one digit 0 to 2 for
// the quarter-hour units ("32", "32.1"), whose units fit the 16-bit count. Anything else,
// including an empty text, is no entry.
bool isValidPlanText(QStringView text);

// What the page's boxes hold: base[row] and terms[planTermBox(row, term)].
struct PlanTexts {
    std::array<QString, kPlanRows> base;
    std::array<QString, kPlanTermBoxes> terms;
};

// The plan as the records hold it, as texts for the boxes.
PlanTexts fncPlanTexts(const AppState &state);

// A total the page shows. `held` is true when the true sum does not fit the 16-bit count, so
// that the record holds it at the limit and `units` is that limit, not the sum.
struct PlanFigure {
    int units = 0;
    bool held = false;
    bool operator==(const PlanFigure &) const = default;
};

// The totals of one store: the base total, each term's total, and per row (then the total row)
// the planned year sum and its difference from the base figure.
struct PlanTotals {
    PlanFigure baseSum;
    std::array<PlanFigure, kPlanTerms> termSums;
    std::array<PlanFigure, kPlanRows + 1> yearSums;
    std::array<PlanFigure, kPlanRows + 1> differences;

    bool anyHeld() const;
};

// Checks every text (an invalid one becomes "0" in `texts`), stores the base figures in
// objYearPlan and the term figures in the terms of objSeasonPlan with their totals, sums the
// year from the terms, and returns what the page shows.
PlanTotals subGetYearPlan(AppState &state, PlanTexts &texts);

// The totals the page shows for the plan as the records hold it, its subtotals and year sums
// derived again as a store derives them.
PlanTotals fncPlanTotals(const AppState &state);

} // namespace mirune
