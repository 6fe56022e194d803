#include "year_plan_entry.h"

#include "app_state.h"
#include "hour_totals.h"
#include "units.h"

#include <algorithm>

namespace mirune {

namespace {

using namespace Qt::StringLiterals;

constexpr int kTotalRow = kPlanRows; // the "計" row after the subject rows

// How often each base field counts in each field, as the records derive their subtotals and
// totals: read off the records' own derivation, one base field at a time, so that the page's
// wide sums follow the records' formulas instead of repeating them.
using Weights = std::array<std::array<int, kHourFieldCount>, kHourFieldCount>;

Weights makeWeights() {
    Weights weights{};
    for (HourField base : baseFields()) {
        HourCounts unit;
        unit[base] = 1;
        unit.deriveTotals();
        for (int f = 0; f < kHourFieldCount; ++f)
            weights[f][static_cast<int>(base)] = unit.units[f];
    }
    return weights;
}

const Weights &weights() {
    static const Weights w = makeWeights();
    return w;
}

// The true value of a field from base counts that may lie outside the 16-bit range.
qint64 wideValue(const std::array<qint64, kHourFieldCount> &base, HourField field) {
    const auto &row = weights()[static_cast<int>(field)];
    qint64 sum = 0;
    for (HourField b : baseFields())
        sum += row[static_cast<int>(b)] * base[static_cast<int>(b)];
    return sum;
}

std::array<qint64, kHourFieldCount> baseOf(const HourCounts &counts) {
    std::array<qint64, kHourFieldCount> base{};
    for (HourField b : baseFields())
        base[static_cast<int>(b)] = counts[b];
    return base;
}

PlanFigure figure(const HourCounts &stored, const std::array<qint64, kHourFieldCount> &base,
                  HourField field) {
    return {stored[field], wideValue(base, field) != stored[field]};
}

void storeRow(HourCounts &counts, int row, const QString &text) {
    counts[planRowField(row)] = fncTextToUnits(text).value_or(0);
}

} // namespace

QStringView planRowHeading(int row) {
    return subjectInfo(planRowField(row)).planName;
}

bool isValidPlanText(QStringView text) {
    if (text.isEmpty())
        return false;
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    if (whole.isEmpty())
        return false;
    if (!std::all_of(whole.begin(), whole.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    if (point >= 0) {
        // The point stands second to last, followed by the quarter-hour units 0 to 2.
        if (point != text.size() - 2)
            return false;
        const QChar rest = text[point + 1];
        if (rest < u'0' || rest > u'2')
            return false;
    }
    return fncTextToUnits(text).has_value();
}

PlanTexts fncPlanTexts(const AppState &state) {
    PlanTexts texts;
    for (int row = 0; row < kPlanRows; ++row)
        texts.base[row] = fncUnitsToText(state.objYearPlan->hours[planRowField(row)]);
    const auto terms = state.objSeasonPlan->terms();
    for (int term = 0; term < kPlanTerms; ++term)
        for (int row = 0; row < kPlanRows; ++row)
            texts.terms[planTermBox(row, term)] =
                fncUnitsToText(terms[term] ? terms[term]->hours[planRowField(row)] : 0);
    return texts;
}

bool PlanTotals::anyHeld() const {
    auto held = [](const PlanFigure &f) { return f.held; };
    return baseSum.held || std::any_of(termSums.begin(), termSums.end(), held) ||
           std::any_of(yearSums.begin(), yearSums.end(), held);
}

PlanTotals subGetYearPlan(AppState &state, PlanTexts &texts) {
    for (QString &text : texts.base)
        if (!isValidPlanText(text))
            text = u"0"_s;
    for (QString &text : texts.terms)
        if (!isValidPlanText(text))
            text = u"0"_s;

    HourCounts &base = state.objYearPlan->hours;
    for (int row = 0; row < kPlanRows; ++row)
        storeRow(base, row, texts.base[row]);
    base.deriveTotals();
    const auto terms = state.objSeasonPlan->terms();
    for (int term = 0; term < kPlanTerms; ++term) {
        if (!terms[term])
            continue;
        HourCounts &counts = terms[term]->hours;
        for (int row = 0; row < kPlanRows; ++row)
            storeRow(counts, row, texts.terms[planTermBox(row, term)]);
        counts.deriveTotals();
    }
    state.objSeasonPlan->calculate();
    return fncPlanTotals(state);
}

PlanTotals fncPlanTotals(const AppState &state) {
    // The totals as a store leaves them: each record's subtotals derived again from its figures
    // and the year summed again from the terms, so that a plan read from a file shows what the
    // page would store, not subtotals the file happened to carry.
    PlanTotals totals;
    HourCounts base = state.objYearPlan->hours;
    base.deriveTotals();
    totals.baseSum = figure(base, baseOf(base), HourField::SouJisuu);

    const YearTotalRef year = makeYearWithTerms();
    const auto stored = state.objSeasonPlan->terms();
    const auto terms = year->terms();
    std::array<qint64, kHourFieldCount> yearBase{};
    for (int term = 0; term < kPlanTerms; ++term) {
        if (!stored[term])
            continue;
        HourCounts &counts = terms[term]->hours;
        counts = stored[term]->hours;
        counts.deriveTotals();
        const auto termBase = baseOf(counts);
        totals.termSums[term] = figure(counts, termBase, HourField::SouJisuu);
        for (HourField b : baseFields())
            yearBase[static_cast<int>(b)] += termBase[static_cast<int>(b)];
    }
    year->calculate();

    for (int row = 0; row <= kTotalRow; ++row) {
        const HourField field = row < kTotalRow ? planRowField(row) : HourField::SouJisuu;
        totals.yearSums[row] = figure(year->hours, yearBase, field);
        // Both figures fit the 16-bit count and neither is negative, so their difference does too.
        totals.differences[row] = {year->hours[field] - base[field], totals.yearSums[row].held};
    }
    return totals;
}

} // namespace mirune
