#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <vector>

class QCalendarWidget;
class QLabel;

namespace mirune::ui {

// Several month calendars side by side, one per month from `first` to `last`: each without
// navigation bar or week numbers, Sunday first, with the month ("2026年4月") as a label above it
// and as the calendar's accessible name. A day can be drawn bold and carry a tool tip. Clicks
// outside the range do nothing. Below the row a note line can say what the selected day is,
// since a calendar cell tells a screen reader only its day number.
class MonthRow : public QWidget {
    Q_OBJECT
  public:
    MonthRow(const QDate &first, const QDate &last, QWidget *parent = nullptr);

    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    // Moves the row to other months (rebuilds the calendars only when the month count changes).
    void setRange(const QDate &first, const QDate &last);

    // Bold and tool tip of one day; an empty tool tip removes it.
    void setDayFormat(const QDate &date, bool bold, const QString &toolTip = {});
    // Every day back to plain.
    void clearDayFormats();

    // Selects a day on its month's calendar and clears the selection elsewhere.
    void setSelectedDate(const QDate &date);
    QDate selectedDate() const { return m_selected; }

    // The note under the row.
    void setNote(const QString &text);

    // The calendar that shows a month, or nullptr.
    QCalendarWidget *calendarFor(const QDate &date) const;
    const std::vector<QCalendarWidget *> &calendars() const { return m_calendars; }

  signals:
    // The user chose a day with the mouse, or with Space or Return on the calendar.
    void dateClicked(const QDate &date);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void build();
    QCalendarWidget *makeCalendar(const QDate &month);

    QDate m_first;
    QDate m_last;
    QDate m_selected;
    std::vector<QCalendarWidget *> m_calendars;
    std::vector<QLabel *> m_monthLabels;
    QWidget *m_months = nullptr;
    QLabel *m_note = nullptr;
};

// "2026年4月"
QString monthCaption(const QDate &date);

} // namespace mirune::ui
