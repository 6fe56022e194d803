#pragma once

#include "document/class_document.h"
#include "ui/common/ui_context.h"

#include <QDate>
#include <QFrame>
#include <QList>
#include <array>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace mirune::ui {

class SubjectButton;

// What a redraw kept of the lessons being entered.
struct KeptEdits {
    QList<QDate> kept;    // entered lessons kept over a timetable or holiday that changed
    QList<QDate> dropped; // entered lessons of a day that is no longer a school day
};

// The week grid of the main window (the frame fraSubject): for each day column Monday to Friday a
// heading, eight lesson cells with their length labels beside them, and the register button;
// the period numbers down the left; and the length chooser cboTime, shown over a length label
// while its length is chosen. The cells hold what the teacher is entering until the day is
// registered. The grid shows the document: what each day holds (its record, or the lessons being
// entered, which the document keeps until the day is registered or they are cleared) and sends
// it the teacher's changes.
class WeekGrid : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kDays = 5;
    static constexpr int kPeriods = 8;
    static constexpr int kCells = kDays * kPeriods;

    explicit WeekGrid(UiContext &ui, QWidget *parent = nullptr);

    // Draws the week of a date: headings, cells and register buttons from the registered days
    // and the chosen timetable, holidays left blank. With `focusRegister` the last school day's
    // register button takes the keyboard focus, so that Space registers it.
    void showWeek(const QDate &date, bool focusRegister = false);
    // Draws the shown week again from the state.
    void redraw();
    // Draws the shown week again after a change of the timetables or holidays, and tells which
    // days kept lessons being entered over a timetable or holiday that changed under them.
    KeptEdits redrawKeepingEdits();
    // The column showing a date, or -1.
    int columnOf(const QDate &date) const;
    // Draws one column again from the document (its register state, cells and lengths).
    void redrawColumn(int column);
    // Draws the columns of these days again, those that are shown.
    void redrawDays(const QList<QDate> &dates);
    // Whether a column is unregistered and holds lessons other than the timetable's.
    bool isColumnEdited(int column) const;
    // Whether the column shows a registered day.
    bool isColumnRegistered(int column) const;
    // Hides the length chooser and forgets which length it was choosing.
    void closeLengthChooser();
    // Hides every cell, length label and register button.
    void subUnvisibleButton();
    // Timetable B (true) or A fills the days that are not registered.
    void setTimetableB(bool useB);

    // The subject put into cells by a click: its code, or a null character for none. The
    // pointer over the grid shows its icon.
    void selectSubject(QChar code);
    void deselectSubject();
    QChar selectedSubject() const { return m_selectedSubject; }
    // The length label whose length the chooser is choosing (intMainCreditSel), -1 for none.
    int chooserCell() const { return intMainCreditSel; }

    // The dates of the five columns of the week shown (invalid before any week was shown).
    const std::array<QDate, kDays> &dateColumnDay() const { return m_columnDay; }

    // The cell and label arrays, by day × 8 + period.
    SubjectButton *cell(int index) const { return m_cells[index]; }
    QToolButton *lengthLabel(int index) const { return m_lengths[index]; }
    QPushButton *registerButton(int day) const { return m_register[day]; }
    QComboBox *lengthChooser() const { return m_cboTime; }

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildControls();
    // Draws a column from the document; `batch` gathers what to show for showWeek.
    void fillColumn(int column, bool batch);
    void applyContent(int column, const DayColumn &content, bool batch);
    void cellClicked(int index);
    void lengthClicked(int index);
    void lengthChosen(int timeCode);
    void setLength(int index, int timeCode);
    void registerClicked(int column);
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
    // What each column showed when drawn, and what it would show untouched then, to tell which
    // entries a change of the timetables or holidays went under.
    std::array<ClassDocument::ColumnKind, kDays> m_kind{};
    std::array<std::optional<DayColumn>, kDays> m_basis{};
    // What the week being drawn shows, applied once it is all known.
    std::array<bool, kCells> m_wantCell{};
    std::array<bool, kCells> m_wantLength{};
    std::array<bool, kDays> m_wantRegister{};
    QComboBox *m_cboTime = nullptr;
    QButtonGroup *m_cellGroup = nullptr;
    QChar m_selectedSubject;
    QDate m_shownDate;
    int intMainCreditSel = -1;
};

} // namespace mirune::ui
