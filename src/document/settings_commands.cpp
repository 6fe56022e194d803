#include "settings_commands.h"

#include <utility>

namespace mirune {

PlanSnapshot::WeekPart PlanSnapshot::takeWeek(const ZuriWeekTotal &week,
                                              const WeekCredits &credits) {
    WeekPart part;
    part.credits = credits;
    part.hours = week.hours;
    int i = 0;
    for (const ZuriDayTime *d = week.objFirstDay.get(); d && i < 6; d = d->objNextDay.get()) {
        part.subjects[i] = d->strSubject;
        part.recordCredits[i] = d->strCredit;
        ++i;
        if (d == week.objLastDay.get())
            break;
    }
    return part;
}

void PlanSnapshot::putWeek(const WeekPart &part, ZuriWeekTotal &week, WeekCredits &credits) {
    credits = part.credits;
    week.hours = part.hours;
    int i = 0;
    for (ZuriDayTime *d = week.objFirstDay.get(); d && i < 6; d = d->objNextDay.get()) {
        d->strSubject = part.subjects[i];
        d->strCredit = part.recordCredits[i];
        ++i;
        if (d == week.objLastDay.get())
            break;
    }
}

PlanSnapshot PlanSnapshot::take(const AppState &state, const DayEntries &entries,
                                PlanChange::Parts parts) {
    PlanSnapshot s;
    s.m_parts = parts & kSettingsParts;
    if (parts & PlanChange::Class)
        s.m_class = ClassPart{state.intYear, state.intGrade, state.strClass, state.strTeacher};
    if (parts & PlanChange::Holidays)
        s.m_holidays = HolidayPart{state.dateHoliday,  state.intHolidayDay,   state.boolSat1,
                                   state.boolSat2,     state.intSpecialCount, state.dateSpecial,
                                   state.intSpecialDay};
    if (parts & PlanChange::Plans) {
        PlanPart plan;
        plan.base = state.objYearPlan->hours;
        plan.year = state.objSeasonPlan->hours;
        const auto terms = state.objSeasonPlan->terms();
        for (int t = 0; t < 3; ++t)
            if (terms[t])
                plan.terms[t] = terms[t]->hours;
        s.m_plans = plan;
    }
    if (parts & PlanChange::Timetables)
        s.m_timetables = TimetablePart{takeWeek(*state.objWeekPlanA, state.strWeekCreditA),
                                       takeWeek(*state.objWeekPlanB, state.strWeekCreditB)};
    if (parts & (PlanChange::Days | PlanChange::Entries)) {
        s.m_parts |= PlanChange::Parts(PlanChange::Days) | PlanChange::Entries;
        s.m_days = DaysPart{state.objFirstDay->objNextDay, entries.all()};
    }
    return s;
}

void PlanSnapshot::put(AppState &state, DayEntries &entries) const {
    if (m_class) {
        state.intYear = m_class->year;
        state.intGrade = m_class->grade;
        state.strClass = m_class->klass;
        state.strTeacher = m_class->teacher;
    }
    if (m_holidays) {
        state.dateHoliday = m_holidays->holidays;
        state.intHolidayDay = m_holidays->holidayDays;
        state.boolSat1 = m_holidays->saturdays1;
        state.boolSat2 = m_holidays->saturdays2;
        state.intSpecialCount = m_holidays->specialCount;
        state.dateSpecial = m_holidays->specials;
        state.intSpecialDay = m_holidays->specialDays;
    }
    if (m_plans) {
        state.objYearPlan->hours = m_plans->base;
        state.objSeasonPlan->hours = m_plans->year;
        const auto terms = state.objSeasonPlan->terms();
        for (int t = 0; t < 3; ++t)
            if (terms[t])
                terms[t]->hours = m_plans->terms[t];
    }
    if (m_timetables) {
        putWeek(m_timetables->a, *state.objWeekPlanA, state.strWeekCreditA);
        putWeek(m_timetables->b, *state.objWeekPlanB, state.strWeekCreditB);
    }
    if (m_days) {
        state.objFirstDay->objNextDay = m_days->first;
        entries.setAll(m_days->entries);
    }
}

PlanChange::Parts PlanSnapshot::differences(const PlanSnapshot &other) const {
    PlanChange::Parts changed;
    if (m_class != other.m_class)
        changed |= PlanChange::Class;
    if (m_holidays != other.m_holidays)
        changed |= PlanChange::Holidays;
    if (m_plans != other.m_plans)
        changed |= PlanChange::Plans;
    if (m_timetables != other.m_timetables)
        changed |= PlanChange::Timetables;
    if (m_days && other.m_days) {
        if (m_days->first != other.m_days->first)
            changed |= PlanChange::Days;
        if (m_days->entries != other.m_days->entries)
            changed |= PlanChange::Entries;
    } else if (bool(m_days) != bool(other.m_days)) {
        changed |= PlanChange::Parts(PlanChange::Days) | PlanChange::Entries;
    }
    return changed;
}

SettingsCommand::SettingsCommand(PlanSnapshot before, PlanSnapshot after, const QString &text,
                                 int mergeKind, Apply apply)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)),
      m_mergeKind(mergeKind), m_apply(std::move(apply)) {}

void SettingsCommand::undo() {
    m_apply(m_before, m_before.differences(m_after), true);
}

void SettingsCommand::redo() {
    // The push runs the first redo: the change is made already, and told by the document.
    if (std::exchange(m_made, false))
        return;
    m_apply(m_after, m_before.differences(m_after), true);
}

bool SettingsCommand::mergeWith(const QUndoCommand *other) {
    const auto *next = static_cast<const SettingsCommand *>(other);
    if (next->m_mergeKind != m_mergeKind || next->m_after.parts() != m_after.parts())
        return false;
    m_after = next->m_after;
    setText(next->text());
    // Typed back to what it was: no step at all.
    setObsolete(m_before == m_after);
    return true;
}

} // namespace mirune
