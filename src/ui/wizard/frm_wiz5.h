#pragma once

#include "model/app_state.h"
#include "model/day_column.h"
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

// The weekly timetable page, for timetable A or B (intEditWeek): the length of each period of
// Monday to Friday, the subject of each period picked from a palette, and the weekly hours per
// subject. Every change is stored through the document at once, one step of 元に戻す each.
class frmWiz5 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz5(UiContext &ui, QWidget *parent = nullptr);

    // Fills the page from the timetable being edited, giving a timetable not set up yet the
    // lengths of the class's grade first; runs whenever the page becomes the active window and
    // when it switches between A and B.
    void activated();

    // Which timetable the page edits, shown at once as activated() shows it; whoever opens the
    // page calls it.
    void editTimetable(TimetableChoice timetable);
    TimetableChoice editedTimetable() const { return intEditWeek; }
    // The time cell whose length the chooser is choosing (intCreditSel), -1 for none.
    int chooserCell() const { return intCreditSel; }

    // The code of the palette subject last pressed, a null character when none is selected.
    QChar selectedSubject() const;

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

    // Fills the page from the timetable as it is, a change made elsewhere included.
    void refresh();
    bool editingA() const;
    const WeekCredits &credits() const;
    const ZuriWeekTotal &timetable() const;

    void setTimeCell(int cell, int code);
    void timeCellClicked(int cell);
    void timeChosen(int code);
    void closeTimeChooser(bool refocusCell);
    void subDispWeekPlan();
    void subDispWeekTime();
    void subjectCellClicked(int cell);
    void setSubjectCell(int cell, QChar code);
    void selectSubject(int paletteIndex);
    // The palette offers these codes in its first buttons; the rest are hidden.
    void setPaletteCodes(const QString &codes);
    bool moveInGrid(QWidget *cell, int key);
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
    TimetableChoice intEditWeek = TimetableChoice::A;
    int intCreditSel = -1;
};

} // namespace mirune::ui
