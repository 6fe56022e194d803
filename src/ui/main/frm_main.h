#pragma once

#include "ui/common/ui_context.h"

#include <QDate>
#include <QMainWindow>

class QAction;
class QLabel;
class QRadioButton;

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

    WeekGrid *weekGrid() const { return m_grid; }
    MonthCalendar *calendar() const { return m_calendar; }

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildMenus();
    void buildCentre();
    void refreshFromState();
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
};

} // namespace mirune::ui
