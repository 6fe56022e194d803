#include "curriculum_rows.h"

#include "app_state.h"
#include "standard_hours.h"

#include <array>

namespace mirune {

namespace {

bool planHasFigure(const ZuriYearTotal *plan, HourField field) {
    if (!plan)
        return false;
    if ((*plan)[field] != 0)
        return true;
    for (const SeasonTotalRef &term : plan->terms())
        if (term && (*term)[field] != 0)
            return true;
    return false;
}

// Which fields a check of the days looks for.
using FieldSet = std::array<bool, kHourFieldCount>;

// Whether a subject text of the chain from `first` holds a code of the fields in `wanted`. Looks
// each character up in the totals' code table: the writer asks this of every day at every save.
bool chainHasField(const ZuriDayTime *first, const FieldSet &wanted) {
    const auto &byCode = fieldByCodeUnit();
    for (const ZuriDayTime *d = first; d; d = d->objNextDay.get())
        for (QChar c : d->strSubject)
            if (const qint8 f = byCode[c.unicode()]; f >= 0 && wanted[f])
                return true;
    return false;
}

// Whether the timetables or the days hold a code of the fields in `wanted`.
bool anyFieldUsed(const AppState &state, const FieldSet &wanted) {
    for (const WeekTotalRef &week : {state.objWeekPlanA, state.objWeekPlanB})
        if (week && chainHasField(week->objFirstDay.get(), wanted))
            return true;
    return state.objFirstDay && chainHasField(state.objFirstDay->objNextDay.get(), wanted);
}

} // namespace

bool fncPlanUsesField(const AppState &state, HourField field) {
    if (planHasFigure(state.objYearPlan.get(), field) ||
        planHasFigure(state.objSeasonPlan.get(), field))
        return true;
    FieldSet wanted{};
    wanted[static_cast<int>(field)] = true;
    return anyFieldUsed(state, wanted);
}

bool fncPlanUsesLaterCurriculum(const AppState &state) {
    // One walk of the days for both codes: the writer asks this at every save.
    FieldSet wanted{};
    for (HourField f : laterCurriculumFields()) {
        if (planHasFigure(state.objYearPlan.get(), f) ||
            planHasFigure(state.objSeasonPlan.get(), f))
            return true;
        wanted[static_cast<int>(f)] = true;
    }
    return anyFieldUsed(state, wanted);
}

bool fncIsFieldShown(const AppState &state, HourField field) {
    if (!subjectInfo(field).laterCurriculum)
        return true;
    if (const auto standard = fncStandardHours(state.intYear, state.intGrade);
        standard && standard->hoursOf(field) > 0)
        return true;
    return fncPlanUsesField(state, field);
}

QList<HourField> fncShownFields(const AppState &state, bool withDerived) {
    QList<HourField> fields;
    for (HourField f : displayOrder())
        if ((withDerived || !isDerived(f)) && fncIsFieldShown(state, f))
            fields.append(f);
    return fields;
}

QString fncShownCodes(const AppState &state, QStringView order) {
    QString codes;
    for (QChar code : order)
        if (const SubjectInfo *info = subjectForCode(code);
            !info || fncIsFieldShown(state, info->field))
            codes += code;
    return codes;
}

} // namespace mirune
