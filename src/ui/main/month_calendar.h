#pragma once

#include "ui/common/month_view.h"

#include <QDate>
#include <QHash>
#include <QWidget>

class QLabel;
class QToolButton;

namespace mirune::ui {

// The main window's calendar: one month sheet at a time, with buttons to the month before and
// after within the school year. The days' formats are kept for the whole year, so that a month
// turned to shows its school days at once, and the chosen day stays marked while other controls
// have the keyboard focus. The arrow keys and Page Up and Page Down move the chosen day across
// the months.
class MonthCalendar : public QWidget {
    Q_OBJECT
  public:
    explicit MonthCalendar(QWidget *parent = nullptr);

    // What a screen reader calls the calendar; the month shown is said after it.
    void setCalendarName(const QString &name);

    // The days that can be chosen; the month shown and the chosen day are kept inside.
    void setDateRange(const QDate &minimum, const QDate &maximum);
    QDate minimumDate() const { return m_minimum; }
    QDate maximumDate() const { return m_maximum; }

    void setDayFormat(const QDate &date, const MonthView::DayFormat &format);
    MonthView::DayFormat dayFormat(const QDate &date) const { return m_formats.value(date); }
    // Every day back to plain.
    void clearDayFormats();

    // The days drawn on a light background, on whichever month they fall.
    void setMarkedRange(const QDate &first, const QDate &last);

    // Chooses a day within the range and turns to its month; `selectionChanged` follows when the
    // day is another. An invalid date clears the choice.
    void setSelectedDate(const QDate &date);
    QDate selectedDate() const { return m_selected; }

    // Turns to the month of a day (within the range).
    void showMonth(const QDate &dayOfMonth);
    QDate shownMonth() const;

    MonthView *sheet() const { return m_sheet; }

  signals:
    // A day was chosen with the mouse, Space or Return.
    void clicked(const QDate &date);
    void selectionChanged();
    void monthChanged();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    // The sheet shows the month of `dayOfMonth` with its formats, marks and chosen day.
    void turnTo(const QDate &dayOfMonth);
    void refreshNavigation();
    void giveSheetRoom();
    QDate clamped(const QDate &date) const;

    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QLabel *m_caption = nullptr;
    MonthView *m_sheet = nullptr;
    QString m_name;
    QDate m_minimum;
    QDate m_maximum;
    QDate m_selected;
    QHash<QDate, MonthView::DayFormat> m_formats;
};

} // namespace mirune::ui
