#include "hour_totals.h"

#include "day_units.h"

#include <algorithm>
#include <vector>

namespace mirune {

namespace {

qint16 saturate16(int v) {
    return qint16(std::clamp(v, -32768, 32767));
}

// The fields in a wider integer, so that sums are brought into the 16-bit range once, at the
// end, and not after every addition.
using WideCounts = std::array<int, kHourFieldCount>;

int &at(WideCounts &w, HourField f) {
    return w[static_cast<int>(f)];
}

// Which base fields each sum takes, read off the kinds of the subject table once: 教科小計 the
// subjects, 特活小計 the activities, 総授業時数 every lesson (the two subtotals, 総合, 道徳 and
// 外国語活動), 総時数 the lessons and the hours that are no lesson (打切り, 予備).
struct SumMembers {
    std::vector<HourField> subjects;
    std::vector<HourField> activities;
    std::vector<HourField> otherLessons;
    std::vector<HourField> notLessons;
};

const SumMembers &sumMembers() {
    static const SumMembers members = [] {
        SumMembers m;
        for (const SubjectInfo &info : subjectTable()) {
            switch (info.kind) {
            case SubjectKind::Subject:
                m.subjects.push_back(info.field);
                break;
            case SubjectKind::Activity:
                m.activities.push_back(info.field);
                break;
            case SubjectKind::Integrated:
            case SubjectKind::Moral:
            case SubjectKind::ForeignLanguageActivity:
                m.otherLessons.push_back(info.field);
                break;
            case SubjectKind::Other:
                m.notLessons.push_back(info.field);
                break;
            case SubjectKind::Derived:
                break;
            }
        }
        return m;
    }();
    return members;
}

int sumOf(WideCounts &w, const std::vector<HourField> &fields) {
    int sum = 0;
    for (HourField f : fields)
        sum += at(w, f);
    return sum;
}

// The four subtotal and total fields from the base fields.
void deriveWide(WideCounts &w) {
    using F = HourField;
    const SumMembers &m = sumMembers();
    at(w, F::KyoukaSyoukei) = sumOf(w, m.subjects);
    at(w, F::TokkatsuSyoukei) = sumOf(w, m.activities);
    at(w, F::SouJyugyouJisuu) =
        at(w, F::KyoukaSyoukei) + sumOf(w, m.otherLessons) + at(w, F::TokkatsuSyoukei);
    at(w, F::SouJisuu) = at(w, F::SouJyugyouJisuu) + sumOf(w, m.notLessons);
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

HourCounts fncCountsFromSums(const WideUnitSums &sums) {
    HourCounts counts;
    for (int i = 0; i < kHourFieldCount; ++i)
        counts.units[i] = saturate16(sums[i]);
    counts.deriveTotals();
    return counts;
}

void addDayUnits(const ZuriDayTime &day, WideUnitSums &sums) {
    const QString &s = day.strSubject;
    const QString &c = day.strCredit;
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

void ZuriStretchTotal::calculate() {
    // Sums in plain ints and stores once: a day adds at most 32 units, so nothing overflows here.
    WideUnitSums sums{};
    for (const ZuriDayTime *d = objFirstDay.get(); d; d = d->objNextDay.get()) {
        if (d->isValidRecord())
            addDayUnits(*d, sums);
        if (d == objLastDay.get())
            break;
    }
    hours = fncCountsFromSums(sums);
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

// The year's fields from its terms as they stand, without any limit.
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
