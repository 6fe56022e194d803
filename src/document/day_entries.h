#pragma once

#include "model/app_state.h"
#include "model/day_column.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <optional>

namespace mirune {

// What a day's column of the week shows.
enum class ColumnKind {
    Blank,      // no lessons to record: a holiday, a Sunday, a timetable not set up
    Untouched,  // as the timetable (or the registered record) fills it
    Entered,    // lessons entered and not yet registered
    Registered, // the day's registered record
};
struct ShownColumn {
    ColumnKind kind = ColumnKind::Blank;
    DayColumn content;
    bool operator==(const ShownColumn &) const = default;
};

// The lessons being entered for days not registered yet: kept with the open year (not in its
// file) until the day is registered or its entries are cleared, whichever week is shown and
// whichever timetable fills the untouched days. Reads the plan to tell what a day shows; the
// document changes both, through its steps.
class DayEntries {
  public:
    explicit DayEntries(const AppState &state) : m_state(state) {}

    // The timetable that fills the days nobody touched; entered lessons stay.
    TimetableChoice timetable() const { return m_timetable; }
    void setTimetable(TimetableChoice timetable) { m_timetable = timetable; }

    ShownColumn column(const QDate &date) const;
    // The days whose column shows entered lessons, in date order.
    QList<QDate> enteredDays() const;

    // A day's entered lessons, kept whether or not the day shows them now (a day that became a
    // holiday keeps them until it is a school day again).
    std::optional<DayColumn> entry(const QDate &date) const;
    void setEntry(const QDate &date, const std::optional<DayColumn> &entry);
    bool hasEntry(const QDate &date) const { return m_entries.contains(date); }

    // Every entry at once, to be put back as it was.
    using All = QMap<QDate, DayColumn>;
    const All &all() const { return m_entries; }
    void setAll(const All &entries) { m_entries = entries; }
    void clear() { m_entries.clear(); }

  private:
    const AppState &m_state;
    TimetableChoice m_timetable = TimetableChoice::A;
    All m_entries;
};

} // namespace mirune
