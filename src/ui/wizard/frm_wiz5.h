#pragma once

#include "model/app_state.h"
#include "ui/common/ui_context.h"

#include <QWidget>
#include <array>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace mirune::ui {

class SubjectButton;

// The weekly timetable page, for timetable A or B (the state's intEditWeek says which): the
// length of each period of Monday to Friday, the subject of each period picked from a palette,
// and the weekly hours per subject. Every change is written to the timetable at once.
class frmWiz5 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz5(UiContext &ui, QWidget *parent = nullptr);

    // Fills the page from the timetable being edited; runs whenever the page becomes the active
    // window, when it switches between A and B, and when a timetable changes elsewhere.
    void activated();

    // The full name of the palette subject last pressed, empty when none is selected.
    QString selectedSubject() const;

    static constexpr int kDays = kStoredWeekCredits; // Monday to Friday are edited here
    static constexpr int kCells = kDays * kPeriodsPerDay;

  protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildPage();
    QWidget *buildTimeFrame();
    QWidget *buildPaletteFrame();
    QWidget *buildPlanFrame();

    bool editingA() const;
    WeekCredits &credits();
    ZuriWeekTotal &timetable();

    void setTimeCell(int cell, int code);
    void timeCellClicked(int cell);
    void timeChosen(int code);
    void closeTimeChooser(bool refocusCell);
    void subSaveWeekCredit();
    void subDispWeekPlan();
    void subDispWeekTime();
    void subjectCellClicked(int cell);
    void setSubjectCell(int cell, QChar code);
    void selectSubject(int paletteIndex);
    // The palette offers these codes in its first buttons; the rest are hidden.
    void setPaletteCodes(const QString &codes);
    bool moveInGrid(QWidget *cell, int key);
    void stored();
    void goBefore();
    void goNext();

    UiContext &m_ui;
    QGroupBox *fraWiz5WeekCredit = nullptr;
    QGroupBox *fraWiz5WeekPlan = nullptr;
    QGroupBox *fraWiz5Palette = nullptr;
    QWidget *m_timeGrid = nullptr;
    QWidget *m_planGrid = nullptr;
    std::array<QToolButton *, kCells> labWiz5WeekCredit{};
    std::array<int, kCells> m_creditCode{}; // the time code each time cell holds
    QComboBox *cboWiz5Time = nullptr;
    std::array<SubjectButton *, kCells> cmdWiz5WeekPlan{};
    std::array<QChar, kCells> m_subjectCode{}; // the code each subject cell shows; null for none
    std::vector<SubjectButton *> cmdWiz5Subject;
    std::vector<QLabel *> lblWiz5WeekTime;
    QPushButton *cmdWiz5Before = nullptr;
    QPushButton *cmdWiz5Next = nullptr;
    QPushButton *cmdWiz5Cancel = nullptr;
    QString m_paletteCodes; // the codes the palette offers, in order
    int m_selected = -1;    // palette index of the selected subject
    bool m_storing = false; // guards against the page's own change notice
};

} // namespace mirune::ui
