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
    // Opening, restoring and closing replace the plan and name its file: told as every change is.
    connect(this, &ClassDocument::planReplaced, this, [this] {
        emit changed(PlanChange{PlanChange::Replaced, {}, false});
    });
    connect(this, &ClassDocument::fileNameChanged, this, [this] {
        emit changed(PlanChange{PlanChange::File, {}, false});
    });
}

ClassDocument::~ClassDocument() {
    // The steps go first: they point back at this document.
    delete m_undo;
    m_undo = nullptr;
}

QByteArray ClassDocument::encoded() const {
    return m_state.intYear == 0 ? QByteArray() : encodeDataFile(m_state).bytes;
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

} // namespace mirune
