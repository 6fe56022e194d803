#pragma once

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

// What one day column holds: the one-letter subject code ("　" for none) and the time code digit
// of each of the eight periods.
struct ColumnContent {
    QString subjects;
    QString credits;
    bool operator==(const ColumnContent &) const = default;
};

// What a redraw kept of the lessons being entered.
struct KeptEdits {
    QList<QDate> kept;    // entered lessons kept over a timetable or holiday that changed
    QList<QDate> dropped; // entered lessons of a day that is no longer a school day
};

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
    // and the chosen timetable, holidays left blank. With `focusRegister` the last school day's
    // register button takes the keyboard focus, so that Space registers it.
    void showWeek(const QDate &date, bool focusRegister = false);
    // Draws the shown week again from the state.
    void redraw();
    // Draws the shown week again from the state, but a day whose lessons are being entered and
    // not yet registered keeps them: only the days the teacher has not touched follow the
    // timetables and holidays.
    KeptEdits redrawKeepingEdits();
    // The date a week was last drawn for (invalid before any).
    QDate shownDate() const { return m_shownDate; }
    // The column showing a date, or -1.
    int columnOf(const QDate &date) const;
    // What a column's cells hold now.
    ColumnContent columnContent(int column) const;
    // Puts lessons into an unregistered column's cells, as the teacher would.
    void setColumnContent(int column, const ColumnContent &content);
    // Draws one column again from the state (its register state, cells and lengths).
    void redrawColumn(int column);
    // Whether a column is unregistered and holds lessons other than those drawn for it.
    bool isColumnEdited(int column) const;
    // Whether the column shows a registered day.
    bool isColumnRegistered(int column) const;
    // Hides the length chooser and forgets which length it was choosing.
    void closeLengthChooser();
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
    // The teacher is about to change a column: a cell's subject or a period's length
    // (`registering` false), or the day's registration (`registering` true). Announced before
    // the change, so that it can be taken back.
    void columnAboutToChange(int column, const QString &what);
    // The change announced last is done.
    void columnChanged(int column);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildControls();
    void fillColumn(int column, const QDate &date);
    // What drawing a date's column from the state shows, or nothing for a day that cannot be
    // recorded (no timetable day, lengths not set up).
    std::optional<ColumnContent> freshContent(const QDate &date, bool *registered) const;
    void applyContent(int column, const ColumnContent &content, bool batch);
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
    // What a fresh draw shows in each column, to tell the teacher's entries from it.
    std::array<std::optional<ColumnContent>, kDays> m_basis{};
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
