#include "month_calendar.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace mirune::ui {

using namespace Qt::StringLiterals;

MonthCalendar::MonthCalendar(QWidget *parent) : QWidget(parent) {
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto *bar = new QHBoxLayout;
    // Arrow buttons drawn by the style: no picture to look up or decode while the window opens.
    m_previous = new QToolButton(this);
    m_previous->setObjectName(u"cmdPrevMonth"_s);
    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setAutoRaise(true);
    m_previous->setAccessibleName(u"前の月"_s);
    m_previous->setToolTip(u"前の月"_s);
    m_next = new QToolButton(this);
    m_next->setObjectName(u"cmdNextMonth"_s);
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAutoRaise(true);
    m_next->setAccessibleName(u"次の月"_s);
    m_next->setToolTip(u"次の月"_s);
    m_caption = new QLabel(this);
    m_caption->setAlignment(Qt::AlignCenter);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    bar->addWidget(m_previous);
    bar->addWidget(m_caption, 1);
    bar->addWidget(m_next);
    column->addLayout(bar);

    m_sheet = new MonthView(this);
    m_sheet->setSelectionAlwaysShown(true);
    m_sheet->installEventFilter(this);
    column->addWidget(m_sheet);
    setFocusProxy(m_sheet);
    giveSheetRoom();

    connect(m_previous, &QToolButton::clicked, this,
            [this] { showMonth(shownMonth().addMonths(-1)); });
    connect(m_next, &QToolButton::clicked, this, [this] { showMonth(shownMonth().addMonths(1)); });
    connect(m_sheet, &MonthView::clicked, this, [this](const QDate &date) {
        m_selected = date;
        emit clicked(date);
    });
    // Arrow keys across a month's edge turn the page.
    connect(m_sheet, &MonthView::dayAskedOnAnotherMonth, this, &MonthCalendar::setSelectedDate);
    connect(m_sheet, &MonthView::selectionChanged, this, [this] {
        // Turning the page clears the sheet's choice; only a day chosen on it counts.
        const QDate date = m_sheet->selectedDate();
        if (!date.isValid() || date == m_selected)
            return;
        m_selected = date;
        emit selectionChanged();
    });
    refreshNavigation();
}

void MonthCalendar::giveSheetRoom() {
    // Alone in its corner of the window the sheet gets more room than a sheet in a row of
    // months, so that the days of the week read apart.
    // Zero, not an invalid size: the hint is read without the old minimum in it.
    m_sheet->setMinimumSize(0, 0);
    const QSize hint = m_sheet->sizeHint();
    m_sheet->setMinimumSize(hint.width() * 4 / 3, hint.height() * 6 / 5);
}

void MonthCalendar::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        giveSheetRoom();
}

void MonthCalendar::setCalendarName(const QString &name) {
    m_name = name;
    turnTo(shownMonth());
}

void MonthCalendar::setDateRange(const QDate &minimum, const QDate &maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_sheet->setDateRange(minimum, maximum);
    if (m_selected.isValid() && m_selected != clamped(m_selected))
        setSelectedDate(clamped(m_selected));
    turnTo(clamped(shownMonth().isValid() ? shownMonth() : minimum));
}

QDate MonthCalendar::clamped(const QDate &date) const {
    if (!date.isValid())
        return date;
    if (m_minimum.isValid() && date < m_minimum)
        return m_minimum;
    if (m_maximum.isValid() && date > m_maximum)
        return m_maximum;
    return date;
}

void MonthCalendar::setDayFormat(const QDate &date, const MonthView::DayFormat &format) {
    if (!date.isValid())
        return;
    if (format == MonthView::DayFormat{})
        m_formats.remove(date);
    else
        m_formats.insert(date, format);
    m_sheet->setDayFormat(date, format); // ignored unless the date is on the sheet
}

void MonthCalendar::clearDayFormats() {
    m_formats.clear();
    m_sheet->clearDayFormats();
}

void MonthCalendar::setMarkedRange(const QDate &first, const QDate &last) {
    m_sheet->setMarkedRange(first, last); // by date: it stays through the pages
}

void MonthCalendar::setSelectedDate(const QDate &date) {
    const QDate target = clamped(date);
    if (target == m_selected)
        return;
    m_selected = target;
    if (target.isValid()) {
        if (firstOfMonth(target) != shownMonth())
            turnTo(target);
        else
            m_sheet->setSelectedDate(target);
    } else {
        m_sheet->setSelectedDate(QDate());
    }
    emit selectionChanged();
}

void MonthCalendar::showMonth(const QDate &dayOfMonth) {
    QDate month = firstOfMonth(dayOfMonth);
    if (m_minimum.isValid() && month < firstOfMonth(m_minimum))
        month = firstOfMonth(m_minimum);
    if (m_maximum.isValid() && month > firstOfMonth(m_maximum))
        month = firstOfMonth(m_maximum);
    if (month == shownMonth())
        return;
    turnTo(month);
}

QDate MonthCalendar::shownMonth() const {
    return m_sheet->month();
}

void MonthCalendar::turnTo(const QDate &dayOfMonth) {
    if (!dayOfMonth.isValid())
        return;
    const QDate month = firstOfMonth(dayOfMonth);
    const bool turned = month != shownMonth();
    {
        const QSignalBlocker quiet(m_sheet); // the sheet's choice is put back below
        m_sheet->setMonth(month);
        for (QDate d = month; d.month() == month.month(); d = d.addDays(1))
            if (const auto it = m_formats.constFind(d); it != m_formats.cend())
                m_sheet->setDayFormat(d, *it);
        if (m_selected.isValid() && firstOfMonth(m_selected) == month)
            m_sheet->setSelectedDate(m_selected);
    }
    const QString caption = monthCaption(month);
    m_caption->setText(caption);
    m_sheet->setAccessibleName(m_name.isEmpty() ? caption : m_name + u' ' + caption);
    refreshNavigation();
    if (turned)
        emit monthChanged();
}

void MonthCalendar::refreshNavigation() {
    const QDate month = shownMonth();
    m_previous->setEnabled(month.isValid() &&
                           (!m_minimum.isValid() || month > firstOfMonth(m_minimum)));
    m_next->setEnabled(month.isValid() &&
                       (!m_maximum.isValid() || month < firstOfMonth(m_maximum)));
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event) {
    // Page Up and Page Down turn to the month before or after, keeping the day where it can.
    if (watched == m_sheet && event->type() == QEvent::KeyPress && m_selected.isValid()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            setSelectedDate(m_selected.addMonths(key == Qt::Key_PageUp ? -1 : 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mirune::ui
