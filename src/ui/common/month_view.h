#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <array>

namespace mirune::ui {

// One month drawn as a calendar sheet: a heading row of weekday letters (Sunday first) and the
// month's days in a grid of seven columns and six rows, so that months side by side line up.
// Days of the neighbouring months are left empty; days outside the date range are drawn grey and
// cannot be chosen. Saturdays, Sundays and red-letter days are drawn red, as on a wall calendar.
//
// A day is chosen with the mouse, or with the arrow keys, Home and End and then Space or Return;
// either way `clicked` tells which. The chosen day is shown only while the sheet has the keyboard
// focus: on a row of sheets a highlight left behind on each would look like a mark.
//
// The sheet is light on purpose: a year of them opens with a page, and a full calendar control
// (navigation bar, table view, model) costs several times as much to build as to draw.
class MonthView : public QWidget {
    Q_OBJECT
  public:
    // How a day is drawn: bold, red, and what its tool tip says (empty: none).
    struct DayFormat {
        bool bold = false;
        bool redLetter = false;
        QString toolTip;
        bool operator==(const DayFormat &) const = default;
    };

    explicit MonthView(QWidget *parent = nullptr);

    // The month shown; any day of it may be given. Formats and the chosen day are cleared.
    void setMonth(const QDate &dayOfMonth);
    QDate month() const { return m_month; }

    // The days that can be chosen; either end may be invalid for no limit.
    void setDateRange(const QDate &minimum, const QDate &maximum);
    bool isSelectable(const QDate &date) const;

    void setDayFormat(const QDate &date, const DayFormat &format);
    void setDayFormat(const QDate &date, bool bold, const QString &toolTip = {});
    DayFormat dayFormat(const QDate &date) const;
    bool isBold(const QDate &date) const { return dayFormat(date).bold; }
    QString toolTip(const QDate &date) const { return dayFormat(date).toolTip; }
    // Every day back to plain.
    void clearDayFormats();

    // Chooses a day of the month within the range; an invalid date clears the choice. Other
    // dates are ignored.
    void setSelectedDate(const QDate &date);
    QDate selectedDate() const { return m_selected; }
    // Whether the chosen day stays highlighted without the keyboard focus, as on a sheet that
    // stands alone and shows what the rest of the window is about.
    void setSelectionAlwaysShown(bool shown);

    // A run of days drawn on a light background (the week a window shows); invalid dates for
    // none.
    void setMarkedRange(const QDate &first, const QDate &last);

    // Where a day of the month is drawn (empty for other dates), and the day under a point.
    QRect dayRect(const QDate &date) const;
    QDate dateAt(const QPoint &pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // A day was chosen with the mouse, Space or Return.
    void clicked(const QDate &date);
    void selectionChanged();
    // An arrow key asked for a day of the range that lies on another month. A sheet in a row of
    // months stays put; a calendar that turns its pages goes there.
    void dayAskedOnAnotherMonth(const QDate &date);

  protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 7; // the weekday heading and six weeks

    QRect cellRect(int row, int column) const;
    // Cell of a day of the month: row 1..6, column 0 (Sunday)..6.
    QPoint cellOf(const QDate &date) const;
    QSize cellSize(bool minimum) const;
    QDate firstSelectable() const;
    QDate lastSelectable() const;
    // Moves the choice by the keyboard; stays put at the month's or the range's end, and says so
    // when the day asked for is in the range on another month.
    void moveSelection(const QDate &target);
    void describeSelection();

    QDate m_month;
    QDate m_minimum;
    QDate m_maximum;
    QDate m_selected;
    QDate m_pressed;
    QDate m_markedFirst;
    QDate m_markedLast;
    bool m_selectionAlwaysShown = false;
    std::array<DayFormat, 31> m_formats{};
};

// "2026年4月"
QString monthCaption(const QDate &date);

// The first day of a date's month.
QDate firstOfMonth(const QDate &date);

} // namespace mirune::ui
