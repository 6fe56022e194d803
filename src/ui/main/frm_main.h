#pragma once

#include "document/plan_change.h"
#include "model/range_registration.h"
#include "storage/data_file.h"
#include "ui/common/document_prompts.h"
#include "ui/common/ui_context.h"

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

    // The recording work that can be taken back (the document's): cells, lengths, 登録, 取消,
    // まとめて登録, a day's entries cleared.
    QUndoStack *undoStack() const;

    // A recovery copy left by a run that did not end normally, for the open plan (or for
    // `dataFile`, a file that could not be opened), is offered. Restored means the plan now
    // holds it.
    using Recovery = RecoveryOutcome;
    Recovery offerRecovery(const QString &dataFile = {});

    WeekGrid *weekGrid() const { return m_grid; }
    MonthCalendar *calendar() const { return m_calendar; }

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void buildMenus();
    // The 編集 menu: 元に戻す, やり直し and まとめて登録.
    void buildRecordMenu();
    // What the document changed, redrawn: the whole window for another plan, the calendar, the
    // palette and the week for a change of the settings, the columns of the days a step
    // touched.
    void planChanged(const PlanChange &change);
    // A step undone or redone: a week it belongs to that is not shown comes into view.
    void stepReplayed(const QList<QDate> &dates);
    // The A/B choice: the untouched days follow it, entered lessons stay.
    void timetableChosen(bool useB);
    // まとめて登録: the dialog, and the days it chose registered as one step.
    void registerRange();
    void registerDays(const QList<QDate> &chosen, TimetableChoice timetable);
    // この日の入力を取り消す: the chosen day's entered lessons go back to the timetable.
    void clearChosenDay();
    void refreshRecordMenu();
    // The recovery copy could not be written or kept: told once, in the note and a message.
    void protectionFailed(const QString &why);
    void buildCentre();
    void refreshFromState();
    // The shown week after a change of the settings.
    void followSettings();
    void drawWeek(const QDate &date, bool focusRegister);
    // The line under the calendar that tells about the teacher's work; empty hides it.
    void setNote(const QString &text);
    void appendNote(const QString &text);
    static QString daysText(const QList<QDate> &dates);
    void refreshCalendar();
    void refreshFileMenu();
    void refreshStatus();
    // The line that names the subjects behind their pace, with a link to the month view.
    void refreshPace();
    // The palette offers the subjects the plan shows.
    void refreshPalette();
    void refreshDayNote(const QDate &date);
    void markWeek(const QDate &date);
    void calendarSelectionChanged();
    void selectStartingDate();
    // The save question of Close and Exit: true when the command may go on (No, or Yes and the
    // file was saved).
    bool askToSave(const QString &question);
    // Shows why a save did not happen; true when it did.
    bool showSaveResult(const SaveResult &result);
    void restorePlacement();
    void storePlacement();
    void closeOtherWindows();
    // The wizard's first page, once the main window has painted itself.
    void openWizardAfterPaint();

    UiContext &m_ui;
    MonthCalendar *m_calendar = nullptr;
    QLabel *m_dayNote = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_pace = nullptr;
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
    static constexpr int kWizardAtTheLatestMs = 300;
    bool m_wizardAfterPaint = false;    // the wizard's first page waits for the first paint
    bool m_wizardOpenedAtStart = false; // the first activation (boolFirstActivate) is past
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_clearDayAction = nullptr;
};

} // namespace mirune::ui
