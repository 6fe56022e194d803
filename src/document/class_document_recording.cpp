// The document's recording work: the lessons entered for days not registered, 登録, 取消, まとめて
// 登録, each one step of 元に戻す, and the one change signal that tells every change.

#include "class_document.h"
#include "model/day_snapshot.h"
#include "model/hour_fields.h"
#include "model/range_registration.h"
#include "model/week_view.h"

#include <QScopedValueRollback>
#include <QUndoStack>
#include <algorithm>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Whether a period may be given this code: a subject the table knows, or no subject.
bool isSubjectOrNone(QChar code) {
    return code == kNoSubject || subjectForCode(code) != nullptr;
}

} // namespace

void ClassDocument::planChanged(const PlanChange &change) {
    // Entered lessons live with the open year only; everything else is what the file holds, so
    // the recovery copy follows it.
    if (change.parts & ~PlanChange::Parts(PlanChange::Entries)) {
        m_lastBytes = encoded();
        updateCopy(m_lastBytes);
    }
    emit changed(change);
}

void ClassDocument::setTimetable(TimetableChoice timetable) {
    if (timetable == m_entries.timetable())
        return;
    m_entries.setTimetable(timetable);
    // The untouched days show the other timetable now: to the windows, as if entries changed.
    planChanged(PlanChange{PlanChange::Entries, {}, false});
}

void ClassDocument::setSelectedDate(const QDate &date) {
    m_state.dateSelected = date;
    m_state.boolDaySelected = 1;
}

DayState ClassDocument::dayState(const QDate &date) const {
    return DayState{date, fncDaySnapshot(*m_state.objFirstDay, date), m_entries.entry(date)};
}

void ClassDocument::applyDays(const QList<DayState> &days, bool changedRecords, bool replayed) {
    const QScopedValueRollback<bool> applying(m_applying, true);
    QList<QDate> dates;
    dates.reserve(days.size());
    for (const DayState &day : days) {
        if (changedRecords)
            subRestoreDaySnapshot(*m_state.objFirstDay, day.date, day.record);
        m_entries.setEntry(day.date, day.entry);
        dates.append(day.date);
    }
    PlanChange change{PlanChange::Entries, dates, replayed};
    if (changedRecords)
        change.parts |= PlanChange::Days;
    planChanged(change);
}

void ClassDocument::pushStep(QList<DayState> before, QList<DayState> after, const QString &text,
                             bool done) {
    m_undo->push(new DayStepCommand(
        std::move(before), std::move(after), text,
        [this](const QList<DayState> &days, bool changed, bool replayed) {
            applyDays(days, changed, replayed);
        },
        done));
}

bool ClassDocument::refusedWhileApplying(const char *what) const {
    if (!m_applying)
        return false;
    // The undo stack is in the middle of a step: a step pushed now would tear it apart.
    qWarning("ClassDocument::%s while a step is being applied; refused", what);
    return true;
}

bool ClassDocument::changeEntry(const QDate &date, const DayColumn &next, const QString &what) {
    if (refusedWhileApplying("changeEntry"))
        return false;
    const DayState before = dayState(date);
    DayState after = before;
    // Lessons back to what the day shows untouched are no entry any more.
    const std::optional<DayColumn> untouched =
        fncUntouchedColumn(m_state, date, m_entries.timetable());
    after.entry = untouched && next == *untouched ? std::nullopt : std::optional(next);
    if (after.entry == before.entry)
        return false;
    pushStep({before}, {after}, fncColumnHeading(date) + u' ' + what);
    return true;
}

bool ClassDocument::setSubject(const QDate &date, int period, QChar code) {
    if (!isSubjectOrNone(code)) {
        // Only a subject of the table can be recorded: a code that is none is a fault of the
        // caller, never a blank period.
        qWarning("ClassDocument::setSubject: U+%04X is no subject's code; nothing recorded",
                 unsigned(code.unicode()));
        return false;
    }
    const ShownColumn shown = column(date);
    if (period < 0 || period >= kPeriodsPerDay ||
        (shown.kind != ColumnKind::Untouched && shown.kind != ColumnKind::Entered) ||
        shown.content.credits[period] == u'0' || shown.content.subjects[period] == code)
        return false;
    DayColumn next = shown.content;
    next.subjects[period] = code;
    const QString what = QString::number(period) + u"時限 "_s +
                         (code == kNoSubject ? u"授業を消す"_s
                                             : u"%1を入れる"_s.arg(subjectForCode(code)->fullName));
    return changeEntry(date, next, what);
}

bool ClassDocument::setLength(const QDate &date, int period, int timeCode) {
    const ShownColumn shown = column(date);
    if (period < 0 || period >= kPeriodsPerDay || timeCode < 0 || timeCode > 4 ||
        (shown.kind != ColumnKind::Untouched && shown.kind != ColumnKind::Entered) ||
        shown.content.credits[period].digitValue() == timeCode)
        return false;
    DayColumn next = shown.content;
    next.credits[period] = QChar(u'0' + timeCode);
    // A period without time has no subject.
    if (timeCode == 0)
        next.subjects[period] = kNoSubject;
    return changeEntry(date, next,
                       u"%1時限 長さを%2にする"_s.arg(period).arg(subGetCredit(timeCode)));
}

bool ClassDocument::registerDay(const QDate &date) {
    if (refusedWhileApplying("registerDay"))
        return false;
    const ShownColumn shown = column(date);
    if (shown.kind != ColumnKind::Untouched && shown.kind != ColumnKind::Entered)
        return false;
    const DayState before = dayState(date);
    DayState after{date, makeRegisteredDay(date, shown.content.subjects, shown.content.credits),
                   std::nullopt};
    pushStep({before}, {after}, fncColumnHeading(date) + u" 登録"_s);
    return true;
}

bool ClassDocument::withdrawDay(const QDate &date) {
    if (refusedWhileApplying("withdrawDay"))
        return false;
    const ShownColumn shown = column(date);
    if (shown.kind != ColumnKind::Registered)
        return false;
    const DayState before = dayState(date);
    DayState after = before;
    after.record = fncDaySnapshot(*m_state.objFirstDay, date);
    after.record->boolNowPlanning = kTrue;
    // The withdrawn lessons stay in the column, as entered against the timetable.
    const ZuriDayTime *weekday = fncTimetableRecord(m_state, date, m_entries.timetable());
    const std::optional<DayColumn> timetable = weekday ? fncRecordColumn(*weekday) : std::nullopt;
    after.entry =
        timetable && *timetable == shown.content ? std::nullopt : std::optional(shown.content);
    pushStep({before}, {after}, fncColumnHeading(date) + u" 取消"_s);
    return true;
}

bool ClassDocument::clearEntries(const QDate &date) {
    if (refusedWhileApplying("clearEntries") || !m_entries.hasEntry(date))
        return false;
    const DayState before = dayState(date);
    DayState after = before;
    after.entry.reset();
    pushStep({before}, {after}, fncColumnHeading(date) + u" 入力を取り消す"_s);
    return true;
}

QList<QDate> ClassDocument::registerDays(const QList<QDate> &days, TimetableChoice timetable) {
    if (refusedWhileApplying("registerDays"))
        return {};
    // A day whose lessons are being entered is the teacher's to register.
    const QList<QDate> entered = enteredDays();
    QList<QDate> chosen;
    for (const QDate &d : days)
        if (!entered.contains(d))
            chosen.append(d);
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    if (chosen.isEmpty())
        return {};
    QList<DayState> before;
    before.reserve(chosen.size());
    for (const QDate &d : chosen)
        before.append(dayState(d));
    if (subRegisterDays(m_state, chosen, timetable) == 0)
        return {};
    QList<DayState> after;
    QList<DayState> changedBefore;
    QList<QDate> registered;
    for (qsizetype i = 0; i < chosen.size(); ++i) {
        DayState now = dayState(chosen[i]);
        if (fncSameDay(now.record, before[i].record))
            continue; // a weekday its timetable cannot register
        now.entry.reset();
        changedBefore.append(before[i]);
        after.append(now);
        registered.append(chosen[i]);
    }
    if (registered.isEmpty())
        return {};
    // The chain holds the step already; the step's own apply finishes it (entries, copy,
    // notices) as an undo or redo would.
    applyDays(after, true, false);
    const QString text =
        u"%1～%2 まとめて登録（%3 日）"_s
            .arg(fncColumnHeading(registered.front()), fncColumnHeading(registered.back()))
            .arg(registered.size());
    pushStep(std::move(changedBefore), std::move(after), text, true);
    return registered;
}

} // namespace mirune
