#include "record_commands.h"

#include <utility>

namespace mirune::ui {

bool fncSameDay(const DayRef &a, const DayRef &b) {
    if (!a || !b)
        return !a && !b;
    return a->dateThisDay == b->dateThisDay && a->strSubject == b->strSubject &&
           a->strCredit == b->strCredit && a->boolNowPlanning == b->boolNowPlanning &&
           a->boolWorkDay == b->boolWorkDay && a->strComment == b->strComment;
}

ColumnCommand::ColumnCommand(const QDate &date, ColumnStep before, ColumnStep after,
                             const QString &text, Apply apply)
    : QUndoCommand(text), m_date(date), m_before(std::move(before)), m_after(std::move(after)),
      m_dayChanged(!fncSameDay(m_before.day, m_after.day)), m_apply(std::move(apply)) {}

void ColumnCommand::undo() {
    m_apply(m_date, m_before, m_dayChanged);
}

void ColumnCommand::redo() {
    // Pushed when already done: the first redo is the change the teacher just made.
    if (m_done) {
        m_done = false;
        return;
    }
    m_apply(m_date, m_after, m_dayChanged);
}

RangeCommand::RangeCommand(QList<QDate> dates, QList<DayRef> before, QList<DayRef> after,
                           const QString &text, Apply apply)
    : QUndoCommand(text), m_dates(std::move(dates)), m_before(std::move(before)),
      m_after(std::move(after)), m_apply(std::move(apply)) {}

void RangeCommand::undo() {
    m_apply(m_dates, m_before);
}

void RangeCommand::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_apply(m_dates, m_after);
}

} // namespace mirune::ui
