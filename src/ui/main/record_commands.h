#pragma once

// The recording work of the main window as steps that can be taken back: what a day column
// held (the day's record and the cells) before and after a change, and a stretch of days
// registered at once.

#include "model/day_record.h"
#include "week_grid.h"

#include <QDate>
#include <QList>
#include <QUndoCommand>
#include <functional>

namespace mirune::ui {

// One day column at one moment: the day's record (a detached copy, or none) and its cells.
struct ColumnStep {
    DayRef day;
    ColumnContent cells;
};

// Whether two copies of a day's record hold the same record (both none counts as the same).
bool fncSameDay(const DayRef &a, const DayRef &b);

// A change of one day column: a subject put into a cell or taken out, a period's length, a
// registration or its withdrawal. It is pushed once done, so its first redo does nothing.
class ColumnCommand final : public QUndoCommand {
  public:
    // Puts a column back to a step; `dayChanged` says whether the record is part of it.
    using Apply = std::function<void(const QDate &, const ColumnStep &, bool dayChanged)>;

    ColumnCommand(const QDate &date, ColumnStep before, ColumnStep after, const QString &text,
                  Apply apply);

    void undo() override;
    void redo() override;
    // Whether the day's record changed, not only the cells.
    bool changesDay() const { return m_dayChanged; }

  private:
    QDate m_date;
    ColumnStep m_before;
    ColumnStep m_after;
    bool m_dayChanged = false;
    bool m_done = true;
    Apply m_apply;
};

// Days registered at once: the records of the days before and after, in the same order.
class RangeCommand final : public QUndoCommand {
  public:
    using Apply = std::function<void(const QList<QDate> &, const QList<DayRef> &)>;

    RangeCommand(QList<QDate> dates, QList<DayRef> before, QList<DayRef> after, const QString &text,
                 Apply apply);

    void undo() override;
    void redo() override;

  private:
    QList<QDate> m_dates;
    QList<DayRef> m_before;
    QList<DayRef> m_after;
    bool m_done = true;
    Apply m_apply;
};

} // namespace mirune::ui
