#pragma once

// A data file is worked on by one program at a time. Whoever opens a file to change it (the
// desktop program while the file is open, a command that rewrites it) takes the lock beside it;
// a second one is told who has it instead of overwriting the first one's work.

#include <QString>
#include <memory>

class QLockFile;

namespace mirune {

class DataFileLock {
  public:
    enum class Status {
        Held,          // this one has the lock
        HeldElsewhere, // another live program has it
        Unavailable,   // no lock can be made there (a read-only folder): work goes on without
    };

    DataFileLock();
    ~DataFileLock();
    DataFileLock(const DataFileLock &) = delete;
    DataFileLock &operator=(const DataFileLock &) = delete;

    // Takes the lock of `dataFile`, waiting up to `waitMs` for another holder to let it go. A
    // lock left by a process that is gone is taken over. Any lock held before is released first.
    Status lock(const QString &dataFile, int waitMs = 0);
    void unlock();
    bool isHeld() const;
    // The data file whose lock is held (empty when none).
    QString dataFile() const { return m_dataFile; }
    // The name of the program holding the lock, as its process is called ("mirune",
    // "mirune-cli"), after lock() answered HeldElsewhere.
    QString holderProgram() const { return m_holder; }

    // Whether another live program holds the lock of `dataFile` now (this one takes nothing).
    static bool isHeldElsewhere(const QString &dataFile);
    // Where the lock of a data file lives: beside it, hidden where the system hides dot files.
    static QString lockPath(const QString &dataFile);
    // The name this process goes by in a lock.
    static QString ownProgramName();

  private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_dataFile;
    QString m_holder;
};

// "「NAME」はほかのミルネ2002で開かれています。": what a second opener is told.
QString fncHeldElsewhereMessage(const QString &dataFile);

} // namespace mirune
