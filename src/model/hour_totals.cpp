#include "hour_totals.h"

#include <algorithm>

namespace mirune {

namespace {

qint16 saturate16(int v) {
    return qint16(std::clamp(v, -32768, 32767));
}

// The 21 fields in a wider integer, so that sums are brought into the 16-bit range once, at
// the end, and not after every addition.
using WideCounts = std::array<int, kHourFieldCount>;

int &at(WideCounts &w, HourField f) {
    return w[static_cast<int>(f)];
}

// The four subtotal and total fields from the base fields.
void deriveWide(WideCounts &w) {
    using F = HourField;
    at(w, F::KyoukaSyoukei) = at(w, F::kokugo) + at(w, F::syakai) + at(w, F::sannsuu) +
                              at(w, F::rika) + at(w, F::seikatsu) + at(w, F::onngaku) +
                              at(w, F::zukou) + at(w, F::katei) + at(w, F::taiiku);
    at(w, F::TokkatsuSyoukei) =
        at(w, F::gakkyuukatsudou) + at(w, F::kurabu) + at(w, F::jidoukai) + at(w, F::gakkougyouji);
    at(w, F::SouJyugyouJisuu) =
        at(w, F::KyoukaSyoukei) + at(w, F::sougou) + at(w, F::doutoku) + at(w, F::TokkatsuSyoukei);
    at(w, F::SouJisuu) = at(w, F::SouJyugyouJisuu) + at(w, F::uchikiri) + at(w, F::yobi);
}

bool fits16(int v) {
    return v >= -32768 && v <= 32767;
}

} // namespace

void HourCounts::add(HourField f, int u) {
    (*this)[f] = saturate16((*this)[f] + u);
}

void HourCounts::deriveTotals() {
    WideCounts wide;
    std::copy(units.cbegin(), units.cend(), wide.begin());
    deriveWide(wide);
    for (int i = 0; i < kHourFieldCount; ++i)
        if (isDerived(static_cast<HourField>(i)))
            units[i] = saturate16(wide[i]);
}

void ZuriStretchTotal::calculate() {
    // Sums in plain ints and stores once: a day adds at most 32 units, so nothing overflows here.
    std::array<int, kHourFieldCount> sums{};
    for (const ZuriDayTime *d = objFirstDay.get(); d; d = d->objNextDay.get()) {
        if (d->isValidRecord()) {
            const QString &s = d->strSubject;
            const QString &c = d->strCredit;
            for (qsizetype k = 0; k < s.size(); ++k) {
                const auto field = fieldForCode(s[k]);
                if (!field)
                    continue;
                int units = 0;
                if (k < c.size()) {
                    const char16_t digit = c[k].unicode();
                    if (digit >= u'0' && digit <= u'9')
                        units = digit - u'0';
                }
                sums[static_cast<int>(*field)] += units;
            }
        }
        if (d == objLastDay.get())
            break;
    }
    for (int i = 0; i < kHourFieldCount; ++i)
        hours.units[i] = saturate16(sums[i]);
    hours.deriveTotals();
}

std::array<SeasonTotalRef, 3> ZuriYearTotal::terms() const {
    std::array<SeasonTotalRef, 3> result;
    SeasonTotalRef s = objFirstSeason;
    for (auto &term : result) {
        term = s;
        if (s)
            s = s->objNextSeason;
    }
    return result;
}

namespace {

// The year's 21 fields from its terms as they stand, without any limit.
WideCounts wideYearSums(const std::array<SeasonTotalRef, 3> &terms) {
    WideCounts wide{};
    // Exactly three terms are read; a missing one (never in the system's own year records)
    // adds nothing instead of failing.
    for (const SeasonTotalRef &term : terms)
        if (term)
            for (HourField f : baseFields())
                at(wide, f) += term->hours[f];
    deriveWide(wide);
    return wide;
}

} // namespace

void ZuriYearTotal::sumTerms(bool recalculateTerms) {
    if (recalculateTerms)
        for (const SeasonTotalRef &term : terms())
            if (term)
                term->calculate();
    // Summed wide and held at the 16-bit limits once: 30000 + 30000 - 30000 is 30000.
    const WideCounts wide = wideYearSums(terms());
    for (int i = 0; i < kHourFieldCount; ++i)
        hours.units[i] = saturate16(wide[i]);
}

bool ZuriYearTotal::sumsFit() const {
    const WideCounts wide = wideYearSums(terms());
    return std::all_of(wide.cbegin(), wide.cend(), fits16);
}

void ZuriYearTotal::calculate() {
    sumTerms(false);
}

void ZuriYearTotal::full_calculate() {
    sumTerms(true);
}

YearTotalRef makeYearWithTerms() {
    auto year = std::make_shared<ZuriYearTotal>();
    auto t1 = std::make_shared<ZuriSeasonTotal>();
    auto t2 = std::make_shared<ZuriSeasonTotal>();
    auto t3 = std::make_shared<ZuriSeasonTotal>();
    t1->objNextSeason = t2;
    t2->objNextSeason = t3;
    year->objFirstSeason = t1;
    year->objLastSeason = t3;
    return year;
}

} // namespace mirune
