#include "data_file_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace mirune {

using namespace Qt::StringLiterals;

DataFileLock::DataFileLock() = default;

DataFileLock::~DataFileLock() = default;

QString DataFileLock::lockPath(const QString &dataFile) {
    const QFileInfo info(dataFile);
    return info.absoluteDir().filePath(u"."_s + info.fileName() + u".lock"_s);
}

QString DataFileLock::ownProgramName() {
    // As QLockFile names a lock's holder: the program file's name, on Windows without ".exe".
    const QFileInfo program(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    return program.completeBaseName();
#else
    return program.fileName();
#endif
}

DataFileLock::Status DataFileLock::lock(const QString &dataFile, int waitMs) {
    unlock();
    m_holder.clear();
    auto lock = std::make_unique<QLockFile>(lockPath(dataFile));
    // A file stays open for hours: only a holder that is gone makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(waitMs)) {
        m_lock = std::move(lock);
        m_dataFile = dataFile;
        return Status::Held;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Status::Unavailable;
    qint64 pid = 0;
    QString host;
    lock->getLockInfo(&pid, &host, &m_holder);
    return Status::HeldElsewhere;
}

bool DataFileLock::isHeldElsewhere(const QString &dataFile) {
    DataFileLock probe;
    return probe.lock(dataFile) == Status::HeldElsewhere;
}

void DataFileLock::unlock() {
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_dataFile.clear();
}

bool DataFileLock::isHeld() const {
    return m_lock && m_lock->isLocked();
}

QString fncHeldElsewhereMessage(const QString &dataFile) {
    return u"「%1」はほかのミルネ2002で開かれています。"_s.arg(QFileInfo(dataFile).fileName());
}

} // namespace mirune
