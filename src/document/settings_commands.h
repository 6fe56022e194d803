#pragma once

// The settings of a class's year as steps that can be taken back: what a part of the plan held
// before and after a change made on a settings page (the class page, the holiday calendar, the
// annual plan, a weekly timetable), put back by 元に戻す and made again by やり直し.

#include "day_entries.h"
#include "model/app_state.h"
#include "plan_change.h"

#include <QString>
#include <QUndoCommand>
#include <array>
#include <functional>
#include <optional>

namespace mirune {

// What some parts of the plan hold at one moment, enough to put them back exactly: the bytes
// the data file is written from are the same after a change is undone as before it was made.
class PlanSnapshot {
  public:
    // The parts a settings change can touch. Days and Entries are taken together: a change of
    // school year may drop the records and the entered lessons of the year it leaves.
    static constexpr PlanChange::Parts kSettingsParts =
        PlanChange::Parts(PlanChange::Class) | PlanChange::Holidays | PlanChange::Plans |
        PlanChange::Timetables | PlanChange::Days | PlanChange::Entries;

    static PlanSnapshot take(const AppState &state, const DayEntries &entries,
                             PlanChange::Parts parts);
    void put(AppState &state, DayEntries &entries) const;

    // The parts this snapshot holds; and, compared with another of the same parts, those that
    // differ.
    PlanChange::Parts parts() const { return m_parts; }
    PlanChange::Parts differences(const PlanSnapshot &other) const;
    bool operator==(const PlanSnapshot &other) const { return !differences(other); }

  private:
    struct ClassPart {
        qint16 year = 0;
        qint16 grade = 0;
        QString klass;
        QString teacher;
        bool operator==(const ClassPart &) const = default;
    };
    struct HolidayPart {
        std::array<QDate, kHolidaySlots> holidays;
        std::array<qint16, kHolidaySlots> holidayDays{};
        Flag saturdays1 = kFalse;
        Flag saturdays2 = kFalse;
        qint16 specialCount = 0;
        std::array<QDate, kSpecialSlots> specials;
        std::array<qint16, kSpecialSlots> specialDays{};
        bool operator==(const HolidayPart &) const = default;
    };
    struct PlanPart {
        HourCounts base;
        HourCounts year;
        std::array<HourCounts, 3> terms;
        bool operator==(const PlanPart &) const = default;
    };
    // One timetable: its time codes, and per weekday record its subjects and the time codes it
    // copies; the weekly hours follow from them and are kept so that nothing is recomputed.
    struct WeekPart {
        WeekCredits credits;
        std::array<QString, 6> subjects;
        std::array<QString, 6> recordCredits;
        HourCounts hours;
        bool operator==(const WeekPart &) const = default;
    };
    struct TimetablePart {
        WeekPart a;
        WeekPart b;
        bool operator==(const TimetablePart &) const = default;
    };
    // The chain's records as one link (a record is never changed in place by a settings step,
    // and the steps are undone in order, so the link alone brings them all back), and the
    // entered lessons.
    struct DaysPart {
        DayRef first;
        DayEntries::All entries;
        bool operator==(const DaysPart &) const = default;
    };

    static WeekPart takeWeek(const ZuriWeekTotal &week, const WeekCredits &credits);
    static void putWeek(const WeekPart &part, ZuriWeekTotal &week, WeekCredits &credits);

    PlanChange::Parts m_parts;
    std::optional<ClassPart> m_class;
    std::optional<HolidayPart> m_holidays;
    std::optional<PlanPart> m_plans;
    std::optional<TimetablePart> m_timetables;
    std::optional<DaysPart> m_days;
};

// One change of the settings as a step of 元に戻す: the parts it touched before and after.
// Steps of the same kind (`mergeKind`, not -1) that follow one another are one step, so that a
// name or a figure typed character by character is taken back at once.
class SettingsCommand final : public QUndoCommand {
  public:
    // Puts a snapshot into the plan and tells what changed; `replayed` is true for an undo or
    // a redo from the menu.
    using Apply =
        std::function<void(const PlanSnapshot &, PlanChange::Parts changed, bool replayed)>;

    // The change is made already: the first redo (QUndoStack::push) does nothing.
    SettingsCommand(PlanSnapshot before, PlanSnapshot after, const QString &text, int mergeKind,
                    Apply apply);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeKind; }
    bool mergeWith(const QUndoCommand *other) override;

    // What the plan held before the step, to begin a later change of the same kind from.
    const PlanSnapshot &before() const { return m_before; }

  private:
    PlanSnapshot m_before;
    PlanSnapshot m_after;
    int m_mergeKind;
    bool m_made = true;
    Apply m_apply;
};

} // namespace mirune
