#include "curriculum_rows.h"

#include "app_state.h"
#include "standard_hours.h"

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

bool chainHasCode(const ZuriDayTime *first, QChar code) {
    for (const ZuriDayTime *d = first; d; d = d->objNextDay.get())
        if (d->strSubject.contains(code))
            return true;
    return false;
}

} // namespace

bool fncPlanUsesField(const AppState &state, HourField field) {
    if (planHasFigure(state.objYearPlan.get(), field) ||
        planHasFigure(state.objSeasonPlan.get(), field))
        return true;
    const QChar code = subjectInfo(field).code;
    if (code.isNull())
        return false;
    for (const WeekTotalRef &week : {state.objWeekPlanA, state.objWeekPlanB})
        if (week && chainHasCode(week->objFirstDay.get(), code))
            return true;
    return state.objFirstDay && chainHasCode(state.objFirstDay->objNextDay.get(), code);
}

bool fncPlanUsesLaterCurriculum(const AppState &state) {
    for (HourField f : laterCurriculumFields())
        if (fncPlanUsesField(state, f))
            return true;
    return false;
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
