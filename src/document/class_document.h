#pragma once

#include "day_entries.h"
#include "day_step.h"
#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/day_column.h"
#include "model/teacher_holidays.h"
#include "model/year_plan_entry.h"
#include "plan_change.h"
#include "settings_commands.h"
#include "storage/data_file.h"
#include "storage/recovery_copy.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QUndoStack;

namespace mirune {

class DataFileLock;

// One class's open school year: the plan being worked on, the data file it belongs to and that
// file's lock, what the file held when it was opened or last saved (so "modified" is a
// comparison of bytes, never a flag that can drift), the steps that can be taken back, the
// lessons being entered for days not yet registered, and the recovery copy that keeps unsaved
// work safe from a crash. It is the only writer of the plan: every way of opening, saving and
// closing goes through it, and every change a window makes is one of its commands, a step of
// 元に戻す. The windows read the plan, send it commands, redraw on `changed`, and ask the
// teacher what it cannot decide.
class ClassDocument final : public QObject {
    Q_OBJECT
  public:
    explicit ClassDocument(AppState &state, QObject *parent = nullptr);
    ~ClassDocument() override;

    // The plan, to read: every change goes through the document's commands.
    const AppState &state() const { return m_state; }
    QString fileName() const { return m_state.strFileName; }
    // Opened while another program had the file: saving goes to a name of its own.
    bool isReadOnly() const { return m_readOnly; }
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

    // --- The settings ------------------------------------------------------------------------
    //
    // Every change a settings page makes is one step of 元に戻す, named as the teacher reads it.
    // A value typed character by character is one step: steps of the same kind that follow one
    // another merge, and each is made from the plan as it was before the typing began, so that
    // only the value finally typed counts. Each returns whether the plan changed.

    // The class settings as the class page takes them. When records of another school year
    // would be lost, `ask` decides (see subGetClass); on Yes the records and the lessons being
    // entered go, as one step with the class.
    ClassResult setClassSettings(const ClassChoice &choice,
                                 const std::function<YearChangeAnswer()> &ask);
    // One setting of the class page as it is typed (the plan keeps its school year).
    bool setGrade(int grade);
    bool setClassName(const QString &name);
    bool setTeacher(const QString &name);
    // The vacation days of the class page, and the law's holidays of the year with them.
    bool setVacationDays(const VacationDays &days);
    // The holiday calendar: a school day made the teacher's holiday, or given back.
    AddHolidayResult addTeacherHoliday(const QDate &date);
    bool removeTeacherHoliday(const QDate &date);
    // The annual plan as its boxes hold it (an invalid text counts as 0; `texts` is left as
    // typed). `box` names the box being typed into, so that its typing is one step: the base
    // box of a row is the row, a term box kPlanRows + planTermBox(row, term); -1 for none.
    bool setPlanTexts(const PlanTexts &texts, int box = -1);
    // 標準時数を入れる; false when there is no table for the year and grade.
    bool fillBasePlanFromStandard();
    // 学期に配分.
    bool splitBasePlanOverTerms();
    // A weekly timetable: the length of a period of a weekday (0 Monday .. 4 Friday), the
    // subject of a period (a subject's code, or kNoSubject), and the lengths of the class's
    // grade for a timetable not set up yet. An unknown code is refused.
    bool setTimetableLength(TimetableChoice timetable, int weekday, int period, int timeCode);
    bool setTimetableSubject(TimetableChoice timetable, int weekday, int period, QChar code);
    bool fillDefaultLengths(TimetableChoice timetable);

    // --- Working state the windows share -------------------------------------------------------

    // The day chosen in the main window (dateSelected); the main window takes it as chosen, so
    // that it does not choose today again at its next activation.
    void setSelectedDate(const QDate &date);

    // --- The recording work ------------------------------------------------------------------

    const DayEntries &entries() const { return m_entries; }
    TimetableChoice timetable() const { return m_entries.timetable(); }
    // The timetable that fills the days nobody touched; entered lessons stay.
    void setTimetable(TimetableChoice timetable);

    using ColumnKind = mirune::ColumnKind;
    using ShownColumn = mirune::ShownColumn;
    ShownColumn column(const QDate &date) const { return m_entries.column(date); }
    // The days whose lessons are being entered (kept until registered or cleared), date order.
    QList<QDate> enteredDays() const { return m_entries.enteredDays(); }

    // A period's subject (a subject's code, kNoSubject for none) or length (a time code 0..4)
    // on a day not registered. False when there is no such cell, the code is no subject's, or
    // nothing changes.
    bool setSubject(const QDate &date, int period, QChar code);
    bool setLength(const QDate &date, int period, int timeCode);
    // 登録: the day's lessons as its column shows them become its record.
    bool registerDay(const QDate &date);
    // 取消: the record is withdrawn; its lessons stay as entered.
    bool withdrawDay(const QDate &date);
    // The day's entered lessons are dropped: it shows the timetable again.
    bool clearEntries(const QDate &date);
    // まとめて登録: each day with no record is registered with the timetable's lessons, as 登録
    // on an untouched column would; days whose lessons are being entered are left out. One step.
    // Returns the days registered (none for an empty list).
    QList<QDate> registerDays(const QList<QDate> &days, TimetableChoice timetable);

  signals:
    // What changed: every change of the plan, its entered lessons or its file, told once.
    void changed(const mirune::PlanChange &change);
    // The whole plan was replaced: opened, restored, closed (also told through changed).
    void planReplaced();
    // The file's name (also told through changed).
    void fileNameChanged();
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
    // Runs `edit` on the parts of the plan it may touch as one settings step named `text`.
    // With a `mergeKind` other than -1, a step of the same kind just before is made again from
    // the plan as it was before that step began.
    bool changeSettings(PlanChange::Parts parts, const QString &text,
                        const std::function<void(AppState &)> &edit, int mergeKind = -1);
    void applySettings(const PlanSnapshot &snapshot, PlanChange::Parts changed, bool replayed);
    // Tells a change: the recovery copy follows a change of what the file holds.
    void planChanged(const PlanChange &change);
    // True, with a warning, while a step is being applied.
    bool refusedWhileApplying(const char *what) const;
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
    DayEntries m_entries{m_state};
    // A step is being put into the plan (done, undone or redone): what a window does on hearing
    // of it is no new step.
    bool m_applying = false;
};

} // namespace mirune
