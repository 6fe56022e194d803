#include "hour_totals.h"

#include <algorithm>

namespace mirune {

namespace {

qint16 saturate16(int v) {
    return qint16(std::clamp(v, -32768, 32767));
}

} // namespace

void HourCounts::add(HourField f, int u) {
    (*this)[f] = saturate16((*this)[f] + u);
}

void HourCounts::deriveTotals() {
    using F = HourField;
    const auto &h = *this;
    (*this)[F::KyoukaSyoukei] =
        saturate16(h[F::kokugo] + h[F::syakai] + h[F::sannsuu] + h[F::rika] + h[F::seikatsu] +
                   h[F::onngaku] + h[F::zukou] + h[F::katei] + h[F::taiiku]);
    (*this)[F::TokkatsuSyoukei] =
        saturate16(h[F::gakkyuukatsudou] + h[F::kurabu] + h[F::jidoukai] + h[F::gakkougyouji]);
    (*this)[F::SouJyugyouJisuu] =
        saturate16(h[F::KyoukaSyoukei] + h[F::sougou] + h[F::doutoku] + h[F::TokkatsuSyoukei]);
    (*this)[F::SouJisuu] = saturate16(h[F::SouJyugyouJisuu] + h[F::uchikiri] + h[F::yobi]);
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

void ZuriYearTotal::sumTerms(bool recalculateTerms) {
    hours.clear();
    // Exactly three terms are read; a missing one (never in the system's own year records)
    // adds nothing instead of failing.
    for (const SeasonTotalRef &term : terms()) {
        if (!term)
            continue;
        if (recalculateTerms)
            term->calculate();
        for (HourField f : baseFields())
            hours.add(f, term->hours[f]);
    }
    hours.deriveTotals();
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
