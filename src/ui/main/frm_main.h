#pragma once

#include "model/range_registration.h"
#include "record_commands.h"
#include "ui/common/ui_context.h"

#include <QByteArray>
#include <QDate>
#include <QMainWindow>

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class QUndoStack;

namespace mirune::ui {

class MonthCalendar;

class SubjectPalette;
class WeekGrid;

// The main window: the month calendar that chooses the week, the week grid where lessons are
// recorded, the subject palette, the timetable choice, the class line in the status bar, and the
// File, Edit, View and Help menus.
class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(UiContext &ui, QWidget *parent = nullptr);
    ~frmMain() override;

    // The window's caption, also the title of its message boxes.
    static QString caption();

    // The window's steps on becoming active; safe to run any number of times.
    void activated();

    // The week of a date, as a click on the calendar shows it.
    void showWeekOf(const QDate &date);

    // The File menu's commands. Each returns false when it did not complete (cancelled, refused
    // or failed; the reason was shown).
    bool fileNew();
    bool fileOpen();
    // Opens a data file as Open does, without the dialog (the file named on the command line).
    bool openPath(const QString &path);
    bool fileClose();
    bool fileSave();
    bool fileSaveAs();
    // Exit: the save question, then every window closes and the program ends. False when the
    // teacher's answer keeps the program running.
    bool fileExit();

    // The recording work that can be taken back: cells, lengths, 登録, 取消, まとめて登録.
    QUndoStack *undoStack() const { return m_undo; }

    // At start, with the data file about to be opened (or none): a recovery copy left by a run
    // that did not end normally is offered. Restored means the plan now holds it.
    enum class Recovery { None, Declined, Restored, SetAside };
    Recovery offerRecovery(const QString &dataFile);

    WeekGrid *weekGrid() const { return m_grid; }
    MonthCalendar *calendar() const { return m_calendar; }

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildMenus();
    // The 編集 menu: 元に戻す, やり直し and まとめて登録.
    void buildRecordMenu();
    void columnAboutToChange(int column, const QString &what);
    void columnChanged(int column);
    // Puts a day column back to a step of the recording work.
    void applyColumnStep(const QDate &date, const ColumnStep &step, bool dayChanged);
    // Puts the records of days back, as a step of まとめて登録 left them.
    void applyDays(const QList<QDate> &dates, const QList<DayRef> &records);
    // Days of the chain changed by this window: the others hear of it, the shown week follows.
    void announceOwnDays(const QDate &date);
    // A settings page's notice: the week follows, and a real change ends what can be undone.
    void settingsNotice();
    // Whether the plan differs from when this was last asked; a change the save question
    // protects is written to the recovery copy.
    bool noteStateChange();
    // The plan as it is now is the one in its file (opened or saved) or a new one.
    void takeStateAsSaved();
    // まとめて登録: the dialog, and the days it chose registered as one step.
    void registerRange();
    void registerDays(const QList<QDate> &chosen, TimetableChoice timetable);
    // The recovery copy of the plan as it is now, or none when it equals its file.
    void writeRecoveryCopy();
    void removeRecoveryCopy();
    // Moves a recovery copy the teacher keeps to a name of its own; its new path, or empty.
    void buildCentre();
    void refreshFromState();
    // The shown week after a settings page's notice.
    void followSettings();
    void drawWeek(const QDate &date, bool focusRegister);
    // The line under the calendar that tells about the teacher's work; empty hides it.
    void setNote(const QString &text);
    static QString daysText(const QList<QDate> &dates);
    void refreshCalendar();
    void refreshFileMenu();
    void refreshStatus();
    // The palette offers the subjects the plan shows.
    void refreshPalette();
    void refreshDayNote(const QDate &date);
    void markWeek(const QDate &date);
    void calendarSelectionChanged();
    void selectStartingDate();
    // The save question of Close and Exit: true when the command may go on (No, or Yes and the
    // file was saved).
    bool askToSave(const QString &question);
    bool showSaveResult(bool ok, const QString &message);
    void restorePlacement();
    void storePlacement();
    void closeOtherWindows();

    UiContext &m_ui;
    MonthCalendar *m_calendar = nullptr;
    QLabel *m_dayNote = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_rangeButton = nullptr;
    QAction *m_rangeAction = nullptr;
    QRadioButton *m_optionA = nullptr;
    QRadioButton *m_optionB = nullptr;
    SubjectPalette *m_palette = nullptr;
    WeekGrid *m_grid = nullptr;
    QLabel *m_statusPanel = nullptr;
    QAction *m_fileOpen = nullptr;
    QAction *m_fileSave = nullptr;
    QDate m_weekFirst; // the days of the shown week, marked on the calendar
    QDate m_weekLast;
    int m_calendarYear = 0; // the school year the calendar's marks were made for
    bool m_exitConfirmed = false;
    bool m_announcingOwnChange = false; // the grid's own day change needs no redraw
    QUndoStack *m_undo = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    // The column about to change, as it was.
    QDate m_pendingDate;
    ColumnStep m_pendingStep;
    QString m_pendingWhat;
    QByteArray m_fingerprint; // the plan as the data file would hold it, last time looked at
    QByteArray m_savedBytes;  // the plan as its file holds it (empty: not saved)
    QString m_recoveryName;   // the data file the recovery copy was last written for
};

} // namespace mirune::ui
