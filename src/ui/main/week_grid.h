#pragma once

#include "ui/common/ui_context.h"

#include <QDate>
#include <QFrame>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace mirune::ui {

class SubjectButton;

// The week grid of the main window (the frame fraSubject): for each day column Monday to Friday a
// heading, eight lesson cells with their length labels beside them, and the register button;
// the period numbers down the left; and the length chooser cboTime, shown over a length label
// while its length is chosen. The cells hold what the teacher is entering until the day is
// registered; everything else is read from the state when a week is drawn.
class WeekGrid : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kDays = 5;
    static constexpr int kPeriods = 8;
    static constexpr int kCells = kDays * kPeriods;

    explicit WeekGrid(UiContext &ui, QWidget *parent = nullptr);

    // Draws the week of a date: headings, cells and register buttons from the registered days
    // and the chosen timetable, holidays left blank.
    void showWeek(const QDate &date);
    // Draws the shown week again from the state.
    void redraw();
    // Hides every cell, length label and register button.
    void subUnvisibleButton();
    // Timetable B (true) or A fills the days that are not registered.
    void setTimetableB(bool useB);

    // The subject put into cells by a click: its full name, or empty for none. The pointer over
    // the grid shows its icon.
    void selectSubject(const QString &fullName);
    void deselectSubject();
    QString selectedSubject() const { return m_selectedSubject; }

    // The dates of the five columns of the week shown (invalid before any week was shown).
    const std::array<QDate, kDays> &dateColumnDay() const { return m_columnDay; }

    // The cell and label arrays, by day × 8 + period.
    SubjectButton *cell(int index) const { return m_cells[index]; }
    QToolButton *lengthLabel(int index) const { return m_lengths[index]; }
    QPushButton *registerButton(int day) const { return m_register[day]; }
    QComboBox *lengthChooser() const { return m_cboTime; }

  signals:
    // A day was registered or cancelled through this grid.
    void dayChanged(const QDate &date);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildControls();
    void fillColumn(int column, const QDate &date);
    void cellClicked(int index);
    void lengthClicked(int index);
    void lengthChosen(int timeCode);
    void setLength(int index, int timeCode);
    void registerClicked(int column);
    void registerDay(int column);
    void cancelDay(int column);
    void setColumnEnabled(int column, bool enabled);
    void nameColumn(int column);
    void moveFocus(int index, int dayStep, int periodStep);

    UiContext &m_ui;
    std::array<QLabel *, kDays> m_headings{};
    std::array<QLabel *, kPeriods> m_periodNumbers{};
    std::array<SubjectButton *, kCells> m_cells{};
    std::array<QToolButton *, kCells> m_lengths{};
    std::array<QPushButton *, kDays> m_register{};
    std::array<int, kCells> m_timeCode{}; // the length labels' time codes
    std::array<QDate, kDays> m_columnDay{};
    // What the week being drawn shows, applied once it is all known.
    std::array<bool, kCells> m_wantCell{};
    std::array<bool, kCells> m_wantLength{};
    std::array<bool, kDays> m_wantRegister{};
    QComboBox *m_cboTime = nullptr;
    QButtonGroup *m_cellGroup = nullptr;
    QString m_selectedSubject;
    QDate m_shownDate;
    bool m_timetableB = false;
};

} // namespace mirune::ui
