#include "day_entries.h"

#include "model/school_day.h"

namespace mirune {

ShownColumn DayEntries::column(const QDate &date) const {
    ShownColumn shown;
    if (m_state.intYear == 0 || !date.isValid() || !fncIsSchoolDay(m_state, date))
        return shown;
    bool registered = false;
    const std::optional<DayColumn> untouched =
        fncUntouchedColumn(m_state, date, m_timetable, &registered);
    if (!untouched)
        return shown;
    shown.content = *untouched;
    if (registered) {
        shown.kind = ColumnKind::Registered;
        return shown;
    }
    const auto entry = m_entries.constFind(date);
    if (entry != m_entries.constEnd() && *entry != *untouched) {
        shown.kind = ColumnKind::Entered;
        shown.content = *entry;
        return shown;
    }
    shown.kind = ColumnKind::Untouched;
    return shown;
}

QList<QDate> DayEntries::enteredDays() const {
    QList<QDate> days;
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it)
        if (column(it.key()).kind == ColumnKind::Entered)
            days.append(it.key());
    return days;
}

std::optional<DayColumn> DayEntries::entry(const QDate &date) const {
    const auto found = m_entries.constFind(date);
    return found == m_entries.constEnd() ? std::nullopt : std::optional(*found);
}

void DayEntries::setEntry(const QDate &date, const std::optional<DayColumn> &entry) {
    if (entry)
        m_entries.insert(date, *entry);
    else
        m_entries.remove(date);
}

} // namespace mirune
