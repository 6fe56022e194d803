#pragma once

// A step of the recording work that can be taken back: what some days held (the chain's record
// and the lessons being entered) before and after a change.

#include "model/day_column.h"
#include "model/day_record.h"

#include <QDate>
#include <QList>
#include <QUndoCommand>
#include <functional>
#include <optional>

namespace mirune {

// One day at one moment: the chain's record of it (a detached copy, or none) and the lessons
// being entered for it (none when the day shows what it would show untouched).
struct DayState {
    QDate date;
    DayRef record;
    std::optional<DayColumn> entry;
};

// A change of one or more days: a subject put into a cell, a period's length, 登録, 取消, the
// entries of a day cleared, or days registered at once.
class DayStepCommand final : public QUndoCommand {
  public:
    // Puts days into a state; `replayed` is true for an undo or a redo from the menu.
    using Apply = std::function<void(const QList<DayState> &, bool recordsChanged, bool replayed)>;

    // `done`: the change is already made, so the first redo (QUndoStack::push) does nothing.
    DayStepCommand(QList<DayState> before, QList<DayState> after, const QString &text, Apply apply,
                   bool done = false);

    void undo() override;
    void redo() override;

  private:
    QList<DayState> m_before;
    QList<DayState> m_after;
    bool m_recordsChanged = false;
    bool m_skipRedo = false;
    bool m_pushed = false;
    Apply m_apply;
};

} // namespace mirune
