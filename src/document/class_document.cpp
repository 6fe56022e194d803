#include "class_document.h"

#include "model/day_snapshot.h"
#include "model/range_registration.h"
#include "model/school_day.h"
#include "model/week_view.h"
#include "storage/data_file_lock.h"
#include "storage/file_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QUndoStack>
#include <algorithm>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

const QString kCopyNotWritten = u"回復用のコピーを書けませんでした。"_s;
const QString kCopyNotKept = u"回復用のコピーを残せませんでした。"_s;

} // namespace

ClassDocument::ClassDocument(AppState &state, QObject *parent)
    : QObject(parent), m_state(state), m_undo(new QUndoStack(this)) {
    m_undo->setObjectName(u"undoStack"_s);
    m_lastBytes = encoded();
}

ClassDocument::~ClassDocument() {
    // The steps go first: they point back at this document.
    delete m_undo;
    m_undo = nullptr;
}

QByteArray ClassDocument::encoded() const {
    return m_state.intYear == 0 ? QByteArray() : encodeDataFile(m_state).bytes;
}

bool ClassDocument::isModified() const {
    if (m_state.intYear == 0)
        return false;
    return m_savedBytes.isEmpty() || encoded() != m_savedBytes;
}

// --- Opening, saving, closing ----------------------------------------------------------------

ClassDocument::OpenResult ClassDocument::open(const QString &path, bool readOnly) {
    OpenResult result;
    auto lock = std::make_unique<DataFileLock>();
    // The open file again: its lock is this document's already.
    const bool ownFile = m_lock && QFileInfo(m_lock->dataFile()) == QFileInfo(path);
    if (!readOnly && !ownFile && lock->lock(path) == DataFileLock::Status::HeldElsewhere) {
        result.status = OpenStatus::HeldElsewhere;
        result.message = fncHeldElsewhereMessage(path);
        return result;
    }
    // Read into a copy: a file that fails part way leaves the plan in memory as it was.
    QByteArray bytes;
    const LoadResult loaded = subOpenFile(m_state, path, &bytes);
    if (!loaded.ok()) {
        result.status = OpenStatus::Failed;
        result.message = loaded.message;
        return result;
    }
    if (readOnly || !ownFile)
        m_lock = lock->isHeld() ? std::move(lock) : nullptr;
    m_readOnly = readOnly;
    resetWork();
    // What the file holds, as read: saving writes other bytes exactly when the plan differs.
    // (A file written by hand with other line ends counts as modified until it is saved.)
    m_savedBytes = m_lastBytes = bytes;
    emit planReplaced();
    emit fileNameChanged();
    return result;
}

void ClassDocument::takeStateAsOpened() {
    m_lock.reset();
    m_readOnly = false;
    resetWork();
    takeAsSaved();
    emit planReplaced();
    emit fileNameChanged();
}

SaveResult ClassDocument::save() {
    if (m_readOnly) {
        SaveResult result;
        result.status = SaveResult::Status::NothingToSave;
        return result;
    }
    const SaveResult result = subSaveFile(m_state);
    if (result.ok()) {
        takeAsSaved();
        removeOwnCopy();
    }
    return result;
}

SaveResult ClassDocument::saveAs(const QString &path) {
    SaveResult result;
    auto lock = std::make_unique<DataFileLock>();
    const bool ownFile = m_lock && QFileInfo(m_lock->dataFile()) == QFileInfo(path);
    if (!ownFile && lock->lock(path) == DataFileLock::Status::HeldElsewhere) {
        result.status = SaveResult::Status::Failed;
        result.message = fncHeldElsewhereMessage(path);
        return result;
    }
    result = subSaveFileAs(m_state, path);
    if (!result.ok())
        return result;
    if (!ownFile)
        m_lock = lock->isHeld() ? std::move(lock) : nullptr;
    m_readOnly = false;
    takeAsSaved();
    removeOwnCopy(); // the copy kept under the old name
    emit fileNameChanged();
    return result;
}

void ClassDocument::close() {
    m_state.strFileName.clear();
    subInitWeekData(m_state);
    subInitYearData(m_state);
    m_lock.reset();
    m_readOnly = false;
    resetWork();
    m_ownCopy.clear();
    m_copyLock.reset();
    // An empty plan of the year, in no file: not what any file holds.
    m_savedBytes.clear();
    m_lastBytes = encoded();
    emit planReplaced();
    emit fileNameChanged();
}

void ClassDocument::discardUnsavedWork() {
    removeOwnCopy();
}

void ClassDocument::planRebuilt() {
    resetWork();
    noteSettingsChange();
}

void ClassDocument::resetWork() {
    m_undo->clear();
    m_entries.clear();
    m_protectionWarned = false;
}

void ClassDocument::takeAsSaved() {
    m_lastBytes = encoded();
    m_savedBytes = m_state.strFileName.isEmpty() ? QByteArray() : m_lastBytes;
}

// --- The recovery copy -----------------------------------------------------------------------

std::optional<ClassDocument::WaitingCopy> ClassDocument::waitingCopy() {
    if (m_state.strFileName.isEmpty()) {
        const QStringList copies = fncNewPlanCopyPaths();
        for (const QString &copy : copies) {
            if (copy == m_ownCopy)
                continue;
            // Another program's new plan, still being worked on, is not waiting for anybody.
            if (DataFileLock::isHeldElsewhere(copy))
                continue;
            return WaitingCopy{copy, false};
        }
        return std::nullopt;
    }
    const QString copy = fncRecoveryCopyPath(m_state.strFileName, m_readOnly);
    if (copy == m_ownCopy)
        return std::nullopt;
    const RecoveryCopyCheck check = fncCheckRecoveryCopyAt(copy, m_state.strFileName, m_savedBytes);
    if (check.sameAsFile) {
        // It holds exactly what the file holds: nothing is lost by letting it go.
        QFile::remove(copy);
        return std::nullopt;
    }
    if (!check.waiting)
        return std::nullopt;
    return WaitingCopy{copy, check.fileChangedSince};
}

std::optional<ClassDocument::WaitingCopy> ClassDocument::waitingCopyOf(const QString &dataFile) {
    if (dataFile.isEmpty() || dataFile == m_state.strFileName)
        return waitingCopy();
    // The copy of a file another program has open is that program's.
    if (DataFileLock::isHeldElsewhere(dataFile))
        return std::nullopt;
    const QString copy = fncRecoveryCopyPath(dataFile);
    const RecoveryCopyCheck check = fncCheckRecoveryCopyAt(copy, dataFile);
    if (!check.waiting)
        return std::nullopt;
    return WaitingCopy{copy, check.fileChangedSince};
}

RecoveryLoadResult ClassDocument::restoreCopy(const WaitingCopy &copy, const QString &dataFile) {
    const bool otherFile = dataFile != m_state.strFileName;
    RecoveryLoadResult result = subLoadRecoveryCopyAt(copy.path, dataFile, m_state);
    if (!result.ok())
        return result;
    if (otherFile) {
        // The copy of a file that could not be opened takes the file's place, and its lock.
        m_lock.reset();
        m_readOnly = false;
        m_savedBytes.clear();
        if (!dataFile.isEmpty()) {
            auto lock = std::make_unique<DataFileLock>();
            const DataFileLock::Status status = lock->lock(dataFile);
            m_readOnly = status == DataFileLock::Status::HeldElsewhere;
            if (status == DataFileLock::Status::Held)
                m_lock = std::move(lock);
        }
    }
    resetWork();
    // The plan is not what the file holds: the copy stays, as this run's own, until a save.
    takeCopy(copy.path);
    m_lastBytes = encoded();
    emit planReplaced();
    emit fileNameChanged();
    emit copyRestored();
    return result;
}

void ClassDocument::deleteCopy(const WaitingCopy &copy) {
    QFile::remove(copy.path);
}

QString ClassDocument::keepCopyAside(const WaitingCopy &copy) {
    const QString kept = subKeepRecoveryCopyAsideAt(copy.path, m_state.strFileName);
    if (kept.isEmpty())
        warnProtection(kCopyNotKept);
    return kept;
}

void ClassDocument::updateCopy(const QByteArray &bytes) {
    if (m_state.intYear == 0)
        return;
    // Back where its file is: nothing to recover.
    if (!m_savedBytes.isEmpty() && bytes == m_savedBytes) {
        removeOwnCopy();
        return;
    }
    QString path = m_ownCopy;
    if (path.isEmpty())
        path = m_state.strFileName.isEmpty() ? fncUnusedNewPlanCopyPath()
                                             : fncRecoveryCopyPath(m_state.strFileName, m_readOnly);
    const SaveResult written = subWriteRecoveryBytes(path, bytes);
    if (!written.ok()) {
        // The teacher's work goes on; the file itself is what a save writes.
        warnProtection(kCopyNotWritten + u'\n' + written.message);
        return;
    }
    takeCopy(path);
    m_protectionWarned = false;
}

void ClassDocument::takeCopy(const QString &path) {
    if (m_ownCopy == path)
        return;
    m_ownCopy = path;
    m_copyLock.reset();
    if (m_state.strFileName.isEmpty()) {
        m_copyLock = std::make_unique<DataFileLock>();
        m_copyLock->lock(path);
    }
}

void ClassDocument::removeOwnCopy() {
    if (!m_ownCopy.isEmpty())
        QFile::remove(m_ownCopy);
    m_ownCopy.clear();
    m_copyLock.reset();
    m_protectionWarned = false;
}

void ClassDocument::warnProtection(const QString &why) {
    if (m_protectionWarned)
        return;
    m_protectionWarned = true;
    emit protectionFailed(why);
}

// --- Changes made elsewhere ------------------------------------------------------------------

bool ClassDocument::noteSettingsChange() {
    const QByteArray bytes = encoded();
    if (bytes == m_lastBytes)
        return false;
    m_lastBytes = bytes;
    updateCopy(bytes);
    if (m_undo->count() > 0) {
        m_undo->clear();
        emit stepsCleared();
    }
    return true;
}

void ClassDocument::recordsChanged() {
    m_lastBytes = encoded();
    updateCopy(m_lastBytes);
}

// --- The recording work ----------------------------------------------------------------------

void ClassDocument::setTimetable(TimetableChoice timetable) {
    m_timetable = timetable;
}

ClassDocument::ShownColumn ClassDocument::column(const QDate &date) const {
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

QList<QDate> ClassDocument::enteredDays() const {
    QList<QDate> days;
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it)
        if (column(it.key()).kind == ColumnKind::Entered)
            days.append(it.key());
    return days;
}

DayState ClassDocument::dayState(const QDate &date) const {
    DayState day;
    day.date = date;
    day.record = fncDaySnapshot(*m_state.objFirstDay, date);
    if (const auto entry = m_entries.constFind(date); entry != m_entries.constEnd())
        day.entry = *entry;
    return day;
}

void ClassDocument::applyDays(const QList<DayState> &days, bool changedRecords, bool replayed) {
    QList<QDate> dates;
    dates.reserve(days.size());
    for (const DayState &day : days) {
        if (changedRecords)
            subRestoreDaySnapshot(*m_state.objFirstDay, day.date, day.record);
        if (day.entry)
            m_entries.insert(day.date, *day.entry);
        else
            m_entries.remove(day.date);
        dates.append(day.date);
    }
    if (changedRecords)
        recordsChanged();
    emit columnsChanged(dates);
    if (changedRecords)
        emit daysChanged(dates);
    if (replayed)
        emit stepReplayed(dates);
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

bool ClassDocument::changeEntry(const QDate &date, const DayColumn &next, const QString &what) {
    const DayState before = dayState(date);
    DayState after = before;
    // Lessons back to what the day shows untouched are no entry any more.
    const std::optional<DayColumn> untouched = fncUntouchedColumn(m_state, date, m_timetable);
    after.entry = untouched && next == *untouched ? std::nullopt : std::optional(next);
    if (after.entry == before.entry)
        return false;
    pushStep({before}, {after}, fncColumnHeading(date) + u' ' + what);
    return true;
}

bool ClassDocument::setSubject(const QDate &date, int period, QChar code, const QString &what) {
    const ShownColumn shown = column(date);
    if (period < 0 || period >= kPeriodsPerDay ||
        (shown.kind != ColumnKind::Untouched && shown.kind != ColumnKind::Entered) ||
        shown.content.credits[period] == u'0' || shown.content.subjects[period] == code)
        return false;
    DayColumn next = shown.content;
    next.subjects[period] = code;
    return changeEntry(date, next, what);
}

bool ClassDocument::setLength(const QDate &date, int period, int timeCode, const QString &what) {
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
    return changeEntry(date, next, what);
}

bool ClassDocument::registerDay(const QDate &date) {
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
    const ShownColumn shown = column(date);
    if (shown.kind != ColumnKind::Registered)
        return false;
    const DayState before = dayState(date);
    DayState after = before;
    after.record = fncDaySnapshot(*m_state.objFirstDay, date);
    after.record->boolNowPlanning = kTrue;
    // The withdrawn lessons stay in the column, as entered against the timetable.
    const ZuriDayTime *weekday = fncTimetableRecord(m_state, date, m_timetable);
    const std::optional<DayColumn> timetable = weekday ? fncRecordColumn(*weekday) : std::nullopt;
    after.entry =
        timetable && *timetable == shown.content ? std::nullopt : std::optional(shown.content);
    pushStep({before}, {after}, fncColumnHeading(date) + u" 取消"_s);
    return true;
}

bool ClassDocument::clearEntries(const QDate &date) {
    if (!m_entries.contains(date))
        return false;
    const DayState before = dayState(date);
    DayState after = before;
    after.entry.reset();
    pushStep({before}, {after}, fncColumnHeading(date) + u" 入力を取り消す"_s);
    return true;
}

QList<QDate> ClassDocument::registerDays(const QList<QDate> &days, TimetableChoice timetable) {
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
