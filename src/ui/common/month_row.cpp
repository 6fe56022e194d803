#include "month_row.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace mirune::ui {

namespace {

int monthsBetween(const QDate &first, const QDate &last) {
    return (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
}

} // namespace

MonthRow::MonthRow(const QDate &first, const QDate &last, QWidget *parent)
    : QWidget(parent), m_first(first), m_last(last) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_months = new QWidget(this);
    new QGridLayout(m_months);
    m_months->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_months);
    m_note = new QLabel(this);
    m_note->setTextFormat(Qt::PlainText);
    layout->addWidget(m_note);
    build();
}

void MonthRow::setRange(const QDate &first, const QDate &last) {
    const bool sameCount = monthsBetween(first, last) == monthsBetween(m_first, m_last);
    m_first = first;
    m_last = last;
    m_selected = QDate();
    if (!sameCount) {
        build();
        return;
    }
    QDate month = firstOfMonth(first);
    for (std::size_t i = 0; i < m_calendars.size(); ++i, month = month.addMonths(1))
        place(m_calendars[i], m_monthLabels[i], month);
}

void MonthRow::build() {
    for (MonthView *c : m_calendars)
        delete c;
    for (QLabel *l : m_monthLabels)
        delete l;
    m_calendars.clear();
    m_monthLabels.clear();
    auto *grid = static_cast<QGridLayout *>(m_months->layout());
    QDate month = firstOfMonth(m_first);
    const int count = monthsBetween(m_first, m_last);
    for (int i = 0; i < count; ++i, month = month.addMonths(1)) {
        auto *label = new QLabel(m_months);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        auto *calendar = new MonthView(m_months);
        place(calendar, label, month);
        connect(calendar, &MonthView::clicked, this, [this](const QDate &date) {
            setSelectedDate(date);
            emit dateClicked(date);
        });
        grid->addWidget(label, 0, i);
        grid->addWidget(calendar, 1, i);
        m_monthLabels.push_back(label);
        m_calendars.push_back(calendar);
    }
}

void MonthRow::place(MonthView *calendar, QLabel *label, const QDate &month) {
    const QDate lastDay = month.addDays(month.daysInMonth() - 1);
    calendar->setMonth(month);
    calendar->setDateRange(qMax(month, m_first), qMin(lastDay, m_last));
    calendar->clearDayFormats();
    label->setText(monthCaption(month));
}

void MonthRow::setDayFormat(const QDate &date, bool bold, const QString &toolTip) {
    setDayFormat(date, MonthView::DayFormat{bold, false, toolTip});
}

void MonthRow::setDayFormat(const QDate &date, const MonthView::DayFormat &format) {
    if (MonthView *calendar = calendarFor(date))
        calendar->setDayFormat(date, format);
}

void MonthRow::clearDayFormats() {
    for (MonthView *calendar : m_calendars)
        calendar->clearDayFormats();
}

void MonthRow::setSelectedDate(const QDate &date) {
    m_selected = calendarFor(date) ? date : QDate();
    for (MonthView *calendar : m_calendars)
        calendar->setSelectedDate(calendar == calendarFor(m_selected) ? m_selected : QDate());
}

void MonthRow::setNote(const QString &text) {
    m_note->setText(text);
}

MonthView *MonthRow::calendarFor(const QDate &date) const {
    if (!date.isValid() || date < m_first || date > m_last)
        return nullptr;
    const int index = monthsBetween(m_first, date) - 1;
    if (index < 0 || index >= static_cast<int>(m_calendars.size()))
        return nullptr;
    return m_calendars[index];
}

} // namespace mirune::ui
