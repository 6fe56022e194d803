#include "month_row.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace mirune::ui {

namespace {

int monthsBetween(const QDate &first, const QDate &last) {
    return (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
}

QDate firstOfMonth(const QDate &date) {
    return QDate(date.year(), date.month(), 1);
}

} // namespace

QString monthCaption(const QDate &date) {
    return QStringLiteral(u"%1年%2月").arg(date.year()).arg(date.month());
}

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
    if (!sameCount) {
        build();
        return;
    }
    QDate month = firstOfMonth(first);
    for (std::size_t i = 0; i < m_calendars.size(); ++i, month = month.addMonths(1)) {
        QCalendarWidget *calendar = m_calendars[i];
        const QDate lastDay = month.addDays(month.daysInMonth() - 1);
        calendar->setDateRange(qMax(month, m_first), qMin(lastDay, m_last));
        calendar->setCurrentPage(month.year(), month.month());
        calendar->setAccessibleName(monthCaption(month));
        m_monthLabels[i]->setText(monthCaption(month));
    }
    clearDayFormats();
}

void MonthRow::build() {
    for (QCalendarWidget *c : m_calendars)
        delete c;
    for (QLabel *l : m_monthLabels)
        delete l;
    m_calendars.clear();
    m_monthLabels.clear();
    auto *grid = static_cast<QGridLayout *>(m_months->layout());
    QDate month = firstOfMonth(m_first);
    const int count = monthsBetween(m_first, m_last);
    for (int i = 0; i < count; ++i, month = month.addMonths(1)) {
        auto *label = new QLabel(monthCaption(month), m_months);
        label->setAlignment(Qt::AlignCenter);
        QCalendarWidget *calendar = makeCalendar(month);
        grid->addWidget(label, 0, i);
        grid->addWidget(calendar, 1, i);
        m_monthLabels.push_back(label);
        m_calendars.push_back(calendar);
    }
}

QCalendarWidget *MonthRow::makeCalendar(const QDate &month) {
    auto *calendar = new QCalendarWidget(m_months);
    calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar->setFirstDayOfWeek(Qt::Sunday);
    calendar->setNavigationBarVisible(false);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    const QDate lastDay = month.addDays(month.daysInMonth() - 1);
    calendar->setDateRange(qMax(month, m_first), qMin(lastDay, m_last));
    calendar->setCurrentPage(month.year(), month.month());
    calendar->setAccessibleName(monthCaption(month));
    // Without a selection of its own a calendar would mark its first day as chosen.
    calendar->setSelectedDate(QDate());
    connect(calendar, &QCalendarWidget::clicked, this, [this](const QDate &date) {
        setSelectedDate(date);
        emit dateClicked(date);
    });
    // Space and Return on the calendar act as a click on the day that has the keyboard focus.
    if (QWidget *view = calendar->findChild<QWidget *>(QStringLiteral(u"qt_calendar_calendarview")))
        view->installEventFilter(this);
    calendar->installEventFilter(this);
    return calendar;
}

bool MonthRow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (QCalendarWidget *calendar : m_calendars) {
                if (calendar == watched ||
                    calendar->isAncestorOf(qobject_cast<QWidget *>(watched))) {
                    const QDate date = calendar->selectedDate();
                    if (date.isValid()) {
                        setSelectedDate(date);
                        emit dateClicked(date);
                    }
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MonthRow::setDayFormat(const QDate &date, bool bold, const QString &toolTip) {
    QCalendarWidget *calendar = calendarFor(date);
    if (!calendar)
        return;
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (!toolTip.isEmpty())
        format.setToolTip(toolTip);
    calendar->setDateTextFormat(date, format);
}

void MonthRow::clearDayFormats() {
    for (QCalendarWidget *calendar : m_calendars)
        calendar->setDateTextFormat(QDate(), QTextCharFormat());
}

void MonthRow::setSelectedDate(const QDate &date) {
    m_selected = date;
    for (QCalendarWidget *calendar : m_calendars) {
        const bool here = calendar == calendarFor(date);
        calendar->blockSignals(true);
        if (here)
            calendar->setSelectedDate(date);
        calendar->blockSignals(false);
    }
}

void MonthRow::setNote(const QString &text) {
    m_note->setText(text);
}

QCalendarWidget *MonthRow::calendarFor(const QDate &date) const {
    if (!date.isValid() || date < m_first || date > m_last)
        return nullptr;
    const int index = monthsBetween(m_first, date) - 1;
    if (index < 0 || index >= static_cast<int>(m_calendars.size()))
        return nullptr;
    return m_calendars[index];
}

} // namespace mirune::ui
