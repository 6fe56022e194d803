#include "hours_pace.h"

#include "curriculum_rows.h"
#include "school_day.h"

#include <algorithm>

namespace mirune {

namespace {

// A week of lessons: five school days.
constexpr int kDaysOfAWeek = 5;

qint64 floorDiv(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

QString fncMonthHeading(int index) {
    return QString::number(fncMonthOfIndex(index)) + u'月';
}

QDate fncPaceDate(const AppState &state, const QDate &today) {
    const DateRange year = schoolYearRange(state.intYear);
    if (!today.isValid())
        return year.first;
    return std::clamp(today, year.first, year.last.addDays(1));
}

int fncDueUnits(int yearPlan, int daysPast, int yearSchoolDays) {
    if (yearSchoolDays <= 0)
        return 0;
    const qint64 past = std::clamp(daysPast, 0, yearSchoolDays);
    return int(floorDiv(2 * qint64(yearPlan) * past + yearSchoolDays, 2 * qint64(yearSchoolDays)));
}

bool fncIsBehind(int yearPlan, int actual, int due, int yearSchoolDays) {
    const qint64 shortfall = qint64(due) - actual;
    if (shortfall <= kUnitsPerLessonHour)
        return false;
    if (yearSchoolDays <= 0)
        return true;
    // shortfall > plan × 5 ÷ days, kept in whole numbers.
    return shortfall * yearSchoolDays > qint64(yearPlan) * kDaysOfAWeek;
}

bool fncHasPace(HourField field) {
    return subjectInfo(field).kind != SubjectKind::Other;
}

HourCounts MonthlyPace::due() const {
    HourCounts counts;
    for (const PaceRow &r : rows)
        counts[r.field] = qint16(std::clamp(r.due, -32768, 32767));
    return counts;
}

QList<HourField> MonthlyPace::behindRows() const {
    QList<HourField> fields;
    for (HourField f : shownFields)
        if (row(f).behind)
            fields.append(f);
    return fields;
}

MonthlyPace fncMonthlyPace(const AppState &state, const QDate &today) {
    MonthlyPace pace;
    pace.date = fncPaceDate(state, today);
    pace.totals = fncMonthlyTotals(state);
    // The school days before the pace's day; the day after the year has all of them before it.
    pace.daysPast = pace.totals.days.countBefore(pace.totals.days.first, pace.date);
    pace.shownFields = fncShownFields(state);

    const HourCounts actual = pace.totals.yearActual();
    const int days = pace.totals.yearSchoolDays;
    // Each row's own share of its plan; the subtotals and totals are the sums of their rows'
    // shares, as every other figure of theirs is, not a share of their own plan rounded on its own.
    HourCounts due;
    for (HourField f : baseFields()) {
        const int plan = state.objSeasonPlan ? (*state.objSeasonPlan)[f] : 0;
        due[f] = qint16(std::clamp(fncDueUnits(plan, pace.daysPast, days), -32768, 32767));
    }
    due.deriveTotals();
    for (HourField f : displayOrder()) {
        PaceRow &r = pace.rows[static_cast<int>(f)];
        r.field = f;
        r.yearPlan = state.objSeasonPlan ? (*state.objSeasonPlan)[f] : 0;
        r.actual = actual[f];
        r.due = due[f];
        r.difference = r.actual - r.due;
        r.behind = fncHasPace(f) && fncIsBehind(r.yearPlan, r.actual, r.due, days);
    }
    return pace;
}

QList<HourField> fncBehindFields(const AppState &state, const QDate &today) {
    QList<HourField> fields;
    for (HourField f : fncMonthlyPace(state, today).behindRows())
        if (!isDerived(f))
            fields.append(f);
    return fields;
}

} // namespace mirune
