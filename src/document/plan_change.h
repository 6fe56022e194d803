#pragma once

#include <QDate>
#include <QFlags>
#include <QList>

namespace mirune {

// What one change of the open class-year touched, so that a window redraws only what it shows of
// that. Every change the document makes is told once, through ClassDocument::changed.
struct PlanChange {
    enum Part : unsigned {
        Class = 0x01,      // school year, grade, class, teacher
        Holidays = 0x02,   // vacations, the law's holidays, the teacher's own holidays
        Plans = 0x04,      // the annual lesson plan (base hours and the terms)
        Timetables = 0x08, // weekly timetables A and B (lengths and subjects)
        Days = 0x10,       // records of the day chain
        Entries = 0x20,    // lessons being entered for days not registered
        File = 0x40,       // the file the plan belongs to, or how it is held (read-only)
        Replaced = 0x80,   // the whole plan: opened, restored, closed
    };
    Q_DECLARE_FLAGS(Parts, Part)

    Parts parts;
    // The days a change of Days or Entries touched; empty with either part: any day may have.
    QList<QDate> dates;
    // Undone or redone from 元に戻す or やり直し, not the change as it was first made.
    bool replayed = false;

    // Whether the change touched `part`; a replaced plan touched every part.
    bool touches(Parts part) const { return (parts & part) || (parts & Replaced); }
    // Whether the change touched the day `date` (its record or its entered lessons).
    bool touchesDay(const QDate &date) const {
        return (parts & Replaced) ||
               ((parts & (Days | Entries)) && (dates.isEmpty() || dates.contains(date)));
    }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PlanChange::Parts)

} // namespace mirune
