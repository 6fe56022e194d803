#pragma once

#include "month_view.h"

#include <QDate>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

namespace mirune::ui {

// Several month sheets side by side, one per month from `first` to `last`, each with the month
// ("2026年4月") as a label above it and as the sheet's accessible name. A day can be drawn bold
// and carry a tool tip. Clicks outside the range do nothing. Below the row a note line can say
// what the selected day is, for anyone who cannot see the sheet.
class MonthRow : public QWidget {
    Q_OBJECT
  public:
    MonthRow(const QDate &first, const QDate &last, QWidget *parent = nullptr);

    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    // Moves the row to other months (rebuilds the sheets only when the month count changes).
    void setRange(const QDate &first, const QDate &last);

    // Bold and tool tip of one day; an empty tool tip removes it.
    void setDayFormat(const QDate &date, bool bold, const QString &toolTip = {});
    void setDayFormat(const QDate &date, const MonthView::DayFormat &format);
    // Every day back to plain.
    void clearDayFormats();

    // Selects a day on its month's sheet and clears the selection elsewhere.
    void setSelectedDate(const QDate &date);
    QDate selectedDate() const { return m_selected; }

    // The note under the row.
    void setNote(const QString &text);

    // The sheet that shows a month, or nullptr.
    MonthView *calendarFor(const QDate &date) const;
    const std::vector<MonthView *> &calendars() const { return m_calendars; }

  signals:
    // The user chose a day with the mouse, or with Space or Return on a sheet.
    void dateClicked(const QDate &date);

  private:
    void build();
    void place(MonthView *calendar, QLabel *label, const QDate &month);

    QDate m_first;
    QDate m_last;
    QDate m_selected;
    std::vector<MonthView *> m_calendars;
    std::vector<QLabel *> m_monthLabels;
    QWidget *m_months = nullptr;
    QLabel *m_note = nullptr;
};

} // namespace mirune::ui
