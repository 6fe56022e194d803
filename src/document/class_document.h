#pragma once

#include "day_step.h"
#include "model/app_state.h"
#include "model/day_column.h"
#include "storage/data_file.h"
#include "storage/recovery_copy.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <memory>
#include <optional>

class QUndoStack;

namespace mirune {

class DataFileLock;

// One class's open school year: the plan being worked on, the data file it belongs to and that
// file's lock, what the file held when it was opened or last saved (so "modified" is a
// comparison of bytes, never a flag that can drift), the steps of the recording work that can be
// taken back, the lessons being entered for days not yet registered, and the recovery copy that
// keeps unsaved work safe from a crash. Every way of opening, saving and closing goes through
// it; the windows show it and send it commands, and ask the teacher what it cannot decide.
class ClassDocument final : public QObject {
    Q_OBJECT
  public:
    explicit ClassDocument(AppState &state, QObject *parent = nullptr);
    ~ClassDocument() override;

    AppState &state() { return m_state; }
    const AppState &state() const { return m_state; }
    QString fileName() const { return m_state.strFileName; }
    // Opened while another program had the file: saving goes to a name of its own.
    bool isReadOnly() const { return m_readOnly; }
    // Whether saving now would write other bytes than the file holds (a plan without a file:
    // whether there is a plan at all).
    bool isModified() const;
    QUndoStack *undoStack() const { return m_undo; }

    // --- Opening, saving, closing ------------------------------------------------------------

    enum class OpenStatus {
        Opened,
        Failed,        // not read: the plan in memory is as it was; `message` says why
        HeldElsewhere, // another program has the file open: nothing changed
    };
    struct OpenResult {
        OpenStatus status = OpenStatus::Opened;
        QString message;
        bool ok() const { return status == OpenStatus::Opened; }
    };
    // Reads a data file and makes it the open one, taking its lock (a folder where no lock can
    // be made opens as before). `readOnly` opens a file another program holds, without its lock.
    OpenResult open(const QString &path, bool readOnly = false);
    // Writes the plan to its file. A read-only document has no file of its own to write:
    // NothingToSave, and the caller asks for a name.
    SaveResult save();
    // Writes the plan under another name (keeping a backup of the file it replaces), which
    // becomes the open file. A file another program holds is refused.
    SaveResult saveAs(const QString &path);
    // Lets the file go: an empty plan of the same school year remains (class, vacations and
    // Saturdays stay).
    void close();
    // The teacher lets the unsaved work go: the recovery copy this run wrote goes with it.
    void discardUnsavedWork();
    // The state was replaced from outside (a test, a page that rebuilt it): taken as it stands,
    // the file name included, without a lock.
    void takeStateAsOpened();
    // A page rebuilt the plan in place (a change of school year drops the days): the steps and
    // the entered lessons of the plan as it was are dropped, and the recovery copy follows.
    void planRebuilt();

    // --- The recovery copy -------------------------------------------------------------------

    struct WaitingCopy {
        QString path;
        bool fileChangedSince = false; // the data file was written after the copy
    };
    // A copy left by a run that did not end normally, for the open file (a plan without a file:
    // the newest copy of such a plan). A copy that holds exactly what the file holds is removed
    // and nothing is offered.
    std::optional<WaitingCopy> waitingCopy();
    // Same for a data file that is not the open one (one that could not be read).
    std::optional<WaitingCopy> waitingCopyOf(const QString &dataFile);
    // Loads a waiting copy as the plan, unsaved, for `dataFile` (the open file by default); the
    // copy is this run's from then on.
    RecoveryLoadResult restoreCopy(const WaitingCopy &copy, const QString &dataFile);
    void deleteCopy(const WaitingCopy &copy);
    // Moves the copy beside its data file under a name of its own; where it went, or empty.
    QString keepCopyAside(const WaitingCopy &copy);
    // Where this run keeps its copy (empty until it wrote one).
    QString ownCopyPath() const { return m_ownCopy; }

    // --- Changes made elsewhere --------------------------------------------------------------

    // A settings page may have changed the plan. True when its bytes changed since last looked
    // at: the recovery copy follows, and the steps taken on the plan as it was are ended
    // (stepsCleared) since undone on another plan they could mislead.
    bool noteSettingsChange();

    // --- The recording work ------------------------------------------------------------------

    TimetableChoice timetable() const { return m_timetable; }
    // The timetable that fills the days nobody touched; entered lessons stay.
    void setTimetable(TimetableChoice timetable);

    enum class ColumnKind {
        Blank,      // no lessons to record: a holiday, a Sunday, a timetable not set up
        Untouched,  // as the timetable (or the registered record) fills it
        Entered,    // lessons entered and not yet registered
        Registered, // the day's registered record
    };
    struct ShownColumn {
        ColumnKind kind = ColumnKind::Blank;
        DayColumn content;
        bool operator==(const ShownColumn &) const = default;
    };
    ShownColumn column(const QDate &date) const;
    // The days whose lessons are being entered (kept until registered or cleared), date order.
    QList<QDate> enteredDays() const;

    // A period's subject (a one-letter code, "　" for none) or length (a time code 0..4) on a
    // day not registered. False when there is no such cell or nothing changes.
    bool setSubject(const QDate &date, int period, QChar code, const QString &what);
    bool setLength(const QDate &date, int period, int timeCode, const QString &what);
    // 登録: the day's lessons as its column shows them become its record.
    bool registerDay(const QDate &date);
    // 取消: the record is withdrawn; its lessons stay as entered.
    bool withdrawDay(const QDate &date);
    // The day's entered lessons are dropped: it shows the timetable again.
    bool clearEntries(const QDate &date);
    // まとめて登録: each day with no record is registered with the timetable's lessons, as 登録
    // on an untouched column would; days whose lessons are being entered are left out. One step.
    // Returns the days registered.
    QList<QDate> registerDays(const QList<QDate> &days, TimetableChoice timetable);

  signals:
    // The whole plan was replaced: opened, restored, closed.
    void planReplaced();
    void fileNameChanged();
    // What some days show changed (their records or their entered lessons).
    void columnsChanged(const QList<QDate> &dates);
    // Records of the chain changed.
    void daysChanged(const QList<QDate> &dates);
    // A step was undone or redone (not the change itself): its days.
    void stepReplayed(const QList<QDate> &dates);
    // The steps that could be taken back were ended by a change of the plan.
    void stepsCleared();
    // A recovery copy became the plan (after planReplaced).
    void copyRestored();
    // The recovery copy could not be written or kept: unsaved work is not protected until the
    // next save. Told once until the copy works again.
    void protectionFailed(const QString &why);

  private:
    DayState dayState(const QDate &date) const;
    void applyDays(const QList<DayState> &days, bool recordsChanged, bool replayed);
    void pushStep(QList<DayState> before, QList<DayState> after, const QString &text,
                  bool done = false);
    bool changeEntry(const QDate &date, const DayColumn &next, const QString &what);
    void recordsChanged();
    void takeAsSaved();
    void resetWork();
    void updateCopy(const QByteArray &bytes);
    void removeOwnCopy();
    void takeCopy(const QString &path);
    void warnProtection(const QString &why);
    QByteArray encoded() const;

    AppState &m_state;
    QUndoStack *m_undo = nullptr;
    std::unique_ptr<DataFileLock> m_lock;
    bool m_readOnly = false;
    QByteArray m_savedBytes; // what the file holds (empty: the plan has no file yet)
    QByteArray m_lastBytes;  // the plan when last looked at
    QString m_ownCopy;       // the recovery copy this run wrote or took over
    // A plan without a file has no file lock: its copy is locked instead, so that another
    // program beginning a plan never offers (or deletes) a copy that is still being written.
    std::unique_ptr<DataFileLock> m_copyLock;
    bool m_protectionWarned = false;
    TimetableChoice m_timetable = TimetableChoice::A;
    QMap<QDate, DayColumn> m_entries;
};

} // namespace mirune
