#include "day_step.h"

#include <utility>

namespace mirune {

DayStepCommand::DayStepCommand(QList<DayState> before, QList<DayState> after, const QString &text,
                               Apply apply, bool done)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)), m_skipRedo(done),
      m_apply(std::move(apply)) {
    for (qsizetype i = 0; i < m_before.size() && !m_recordsChanged; ++i)
        m_recordsChanged = !fncSameDay(m_before[i].record, m_after.value(i).record);
}

void DayStepCommand::undo() {
    m_apply(m_before, m_recordsChanged, true);
}

void DayStepCommand::redo() {
    // The push runs the first redo: the change the teacher makes now, not one replayed.
    const bool replayed = m_pushed;
    m_pushed = true;
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    m_apply(m_after, m_recordsChanged, replayed);
}

} // namespace mirune
