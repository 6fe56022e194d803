#include "month_view.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// Sunday first, as a Japanese calendar has it.
constexpr std::array<char16_t, 7> kWeekdayLetters = {u'日', u'月', u'火', u'水',
                                                     u'木', u'金', u'土'};

// A deep red that stays readable on white, for the days off.
const QColor kRedLetter(0xc0, 0x00, 0x00);

// The day numbers and weekday letters laid out once for a font and shared by every sheet: a
// page of twelve sheets draws some four hundred of them, and laying out each one as it is drawn
// was most of the cost of painting a sheet.
struct LaidOutTexts {
    QFont font;
    std::array<QStaticText, 31> plain;
    std::array<QStaticText, 31> bold;
    std::array<QStaticText, 7> weekdays;
};

QStaticText laidOut(const QString &text, const QFont &font) {
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    return laid;
}

// Held while the application lives: the laid-out texts keep fonts, which must go before the
// application's font database does.
LaidOutTexts *sharedTexts = nullptr;

void dropSharedTexts() {
    delete std::exchange(sharedTexts, nullptr);
}

const LaidOutTexts &textsFor(const QFont &font) {
    if (sharedTexts && sharedTexts->font == font)
        return *sharedTexts;
    if (!sharedTexts) {
        sharedTexts = new LaidOutTexts;
        qAddPostRoutine(dropSharedTexts);
    }
    LaidOutTexts &texts = *sharedTexts;
    QFont bold = font;
    bold.setBold(true);
    texts.font = font;
    for (int day = 1; day <= 31; ++day) {
        texts.plain[day - 1] = laidOut(QString::number(day), font);
        texts.bold[day - 1] = laidOut(QString::number(day), bold);
    }
    for (int column = 0; column < 7; ++column)
        texts.weekdays[column] = laidOut(QString(kWeekdayLetters[column]), font);
    return texts;
}

// Draws laid-out text in the middle of a cell.
void drawCentred(QPainter &painter, const QRect &cell, const QStaticText &text) {
    const QSizeF size = text.size();
    painter.drawStaticText(QPointF(cell.left() + (cell.width() - size.width()) / 2,
                                   cell.top() + (cell.height() - size.height()) / 2),
                           text);
}

int columnOf(const QDate &date) {
    return date.dayOfWeek() % 7; // Qt counts Monday 1 .. Sunday 7
}

} // namespace

QDate firstOfMonth(const QDate &date) {
    return QDate(date.year(), date.month(), 1);
}

QString monthCaption(const QDate &date) {
    return u"%1年%2月"_s.arg(date.year()).arg(date.month());
}

MonthView::MonthView(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthView::setMonth(const QDate &dayOfMonth) {
    const QDate first = firstOfMonth(dayOfMonth);
    if (first == m_month)
        return;
    m_month = first;
    m_formats.fill(DayFormat{});
    const bool hadSelection = m_selected.isValid();
    m_selected = QDate();
    setAccessibleName(monthCaption(first));
    if (hadSelection)
        emit selectionChanged();
    update();
}

void MonthView::setDateRange(const QDate &minimum, const QDate &maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_selected.isValid() && !isSelectable(m_selected))
        setSelectedDate(QDate());
    update();
}

bool MonthView::isSelectable(const QDate &date) const {
    return date.isValid() && cellOf(date).y() > 0 && (!m_minimum.isValid() || date >= m_minimum) &&
           (!m_maximum.isValid() || date <= m_maximum);
}

void MonthView::setDayFormat(const QDate &date, const DayFormat &format) {
    if (cellOf(date).y() == 0)
        return;
    DayFormat &kept = m_formats[date.day() - 1];
    if (kept == format)
        return;
    kept = format;
    // A page redraws a whole year of days at once: one repaint of the sheet is cheaper than
    // hundreds of small ones gathered into a region.
    update();
}

void MonthView::setDayFormat(const QDate &date, bool bold, const QString &toolTip) {
    setDayFormat(date, DayFormat{bold, false, toolTip});
}

MonthView::DayFormat MonthView::dayFormat(const QDate &date) const {
    return cellOf(date).y() > 0 ? m_formats[date.day() - 1] : DayFormat{};
}

void MonthView::clearDayFormats() {
    m_formats.fill(DayFormat{});
    update();
}

void MonthView::setSelectedDate(const QDate &date) {
    if (date.isValid() && !isSelectable(date))
        return;
    if (date == m_selected)
        return;
    const QDate old = m_selected;
    m_selected = date;
    if (old.isValid())
        update(dayRect(old));
    if (date.isValid())
        update(dayRect(date));
    describeSelection();
    emit selectionChanged();
}

void MonthView::setSelectionAlwaysShown(bool shown) {
    if (shown == m_selectionAlwaysShown)
        return;
    m_selectionAlwaysShown = shown;
    update();
}

void MonthView::setMarkedRange(const QDate &first, const QDate &last) {
    if (first == m_markedFirst && last == m_markedLast)
        return;
    m_markedFirst = first;
    m_markedLast = last.isValid() ? last : first;
    update();
}

void MonthView::describeSelection() {
    if (!m_selected.isValid()) {
        setAccessibleDescription(QString());
        return;
    }
    QString text = locale().toString(m_selected, u"M月d日(ddd)"_s);
    const QString tip = toolTip(m_selected);
    if (!tip.isEmpty())
        text += u' ' + tip;
    setAccessibleDescription(text);
}

QPoint MonthView::cellOf(const QDate &date) const {
    if (!date.isValid() || !m_month.isValid() || date.year() != m_month.year() ||
        date.month() != m_month.month())
        return {};
    const int offset = columnOf(m_month) + date.day() - 1;
    return {offset % kColumns, 1 + offset / kColumns};
}

QRect MonthView::cellRect(int row, int column) const {
    const QRect area = contentsRect();
    const int left = area.left() + column * area.width() / kColumns;
    const int right = area.left() + (column + 1) * area.width() / kColumns;
    const int top = area.top() + row * area.height() / kRows;
    const int bottom = area.top() + (row + 1) * area.height() / kRows;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect MonthView::dayRect(const QDate &date) const {
    const QPoint cell = cellOf(date);
    return cell.y() > 0 ? cellRect(cell.y(), cell.x()) : QRect();
}

QDate MonthView::dateAt(const QPoint &pos) const {
    const QRect area = contentsRect();
    if (!m_month.isValid() || !area.contains(pos))
        return {};
    const int column = (pos.x() - area.left()) * kColumns / area.width();
    const int row = (pos.y() - area.top()) * kRows / area.height();
    const int day = (row - 1) * kColumns + column - columnOf(m_month) + 1;
    if (row < 1 || day < 1 || day > m_month.daysInMonth())
        return {};
    return m_month.addDays(day - 1);
}

QSize MonthView::cellSize(bool minimum) const {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics plain(font());
    const QFontMetrics strong(bold);
    const int text = qMax(strong.horizontalAdvance(u"88"_s), plain.horizontalAdvance(u"水"_s));
    const int line = qMax(strong.height(), plain.height());
    // Room around the figures so that neighbouring days do not run together.
    if (minimum)
        return {text + line / 4, line + line / 8};
    return {text + line * 3 / 4, line + line / 3};
}

QSize MonthView::sizeHint() const {
    const QSize cell = cellSize(false);
    const QMargins m = contentsMargins();
    return {cell.width() * kColumns + m.left() + m.right(),
            cell.height() * kRows + m.top() + m.bottom()};
}

QSize MonthView::minimumSizeHint() const {
    const QSize cell = cellSize(true);
    const QMargins m = contentsMargins();
    return {cell.width() * kColumns + m.left() + m.right(),
            cell.height() * kRows + m.top() + m.bottom()};
}

void MonthView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(event->rect(), pal.brush(QPalette::Base));
    if (!m_month.isValid())
        return;

    const QColor text = pal.color(QPalette::Text);
    const QColor dimmed = pal.color(QPalette::Disabled, QPalette::Text);
    const QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    const LaidOutTexts &texts = textsFor(plain);

    painter.setFont(plain);
    for (int column = 0; column < kColumns; ++column) {
        const QRect cell = cellRect(0, column);
        if (!cell.intersects(event->rect()))
            continue;
        const bool weekend = column == 0 || column == kColumns - 1;
        painter.setPen(weekend ? kRedLetter : text);
        drawCentred(painter, cell, texts.weekdays[column]);
    }

    const bool showSelection = (hasFocus() || m_selectionAlwaysShown) && m_selected.isValid();
    const QBrush markedBrush(pal.color(QPalette::AlternateBase).darker(110));
    const int firstColumn = columnOf(m_month);
    const int days = m_month.daysInMonth();
    // The selectable days of this month, as day numbers.
    const int fromDay = m_minimum.isValid() && m_minimum > m_month
                            ? (m_minimum <= m_month.addDays(days - 1) ? m_minimum.day() : days + 1)
                            : 1;
    const QDate monthEnd = m_month.addDays(days - 1);
    const int toDay = m_maximum.isValid() && m_maximum < monthEnd
                          ? (m_maximum >= m_month ? m_maximum.day() : 0)
                          : days;
    const int selectedDay = showSelection ? m_selected.day() : 0;
    for (int day = 1; day <= days; ++day) {
        const int offset = firstColumn + day - 1;
        const int column = offset % kColumns;
        const QRect cell = cellRect(1 + offset / kColumns, column);
        if (!cell.intersects(event->rect()))
            continue;
        const DayFormat &format = m_formats[day - 1];
        QColor ink = format.redLetter || column == 0 || column == kColumns - 1 ? kRedLetter : text;
        if (day < fromDay || day > toDay) {
            painter.fillRect(cell, pal.brush(QPalette::Window));
            ink = dimmed;
        } else if (day == selectedDay) {
            painter.fillRect(cell, pal.brush(QPalette::Highlight));
            ink = pal.color(QPalette::HighlightedText);
        } else if (m_markedFirst.isValid()) {
            const QDate date = m_month.addDays(day - 1);
            if (date >= m_markedFirst && date <= m_markedLast)
                painter.fillRect(cell, markedBrush);
        }
        painter.setFont(format.bold ? bold : plain);
        painter.setPen(ink);
        drawCentred(painter, cell, (format.bold ? texts.bold : texts.plain)[day - 1]);
        if (day == selectedDay) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = cell.adjusted(1, 1, -1, -1);
            option.backgroundColor = pal.color(QPalette::Highlight);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
}

void MonthView::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton ? dateAt(event->position().toPoint()) : QDate();
    QWidget::mousePressEvent(event);
}

void MonthView::mouseReleaseEvent(QMouseEvent *event) {
    // A click is a press and a release on the same day, as on a button.
    const QDate pressed = std::exchange(m_pressed, QDate());
    if (event->button() != Qt::LeftButton || !pressed.isValid() ||
        dateAt(event->position().toPoint()) != pressed || !isSelectable(pressed)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    setSelectedDate(pressed);
    emit clicked(pressed);
}

QDate MonthView::firstSelectable() const {
    if (!m_month.isValid())
        return {};
    const QDate last = m_month.addDays(m_month.daysInMonth() - 1);
    const QDate first = m_minimum.isValid() ? qMax(m_month, m_minimum) : m_month;
    return first <= last && isSelectable(first) ? first : QDate();
}

QDate MonthView::lastSelectable() const {
    if (!m_month.isValid())
        return {};
    const QDate end = m_month.addDays(m_month.daysInMonth() - 1);
    const QDate last = m_maximum.isValid() ? qMin(end, m_maximum) : end;
    return last >= m_month && isSelectable(last) ? last : QDate();
}

void MonthView::moveSelection(const QDate &target) {
    if (isSelectable(target))
        setSelectedDate(target);
    else if (target.isValid() && cellOf(target).y() == 0 &&
             (!m_minimum.isValid() || target >= m_minimum) &&
             (!m_maximum.isValid() || target <= m_maximum))
        emit dayAskedOnAnotherMonth(target);
}

void MonthView::keyPressEvent(QKeyEvent *event) {
    const QDate from = m_selected.isValid() ? m_selected : firstSelectable();
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelection(from.addDays(m_selected.isValid() ? -1 : 0));
        break;
    case Qt::Key_Right:
        moveSelection(from.addDays(m_selected.isValid() ? 1 : 0));
        break;
    case Qt::Key_Up:
        moveSelection(from.addDays(m_selected.isValid() ? -7 : 0));
        break;
    case Qt::Key_Down:
        moveSelection(from.addDays(m_selected.isValid() ? 7 : 0));
        break;
    case Qt::Key_Home:
        moveSelection(firstSelectable());
        break;
    case Qt::Key_End:
        moveSelection(lastSelectable());
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected.isValid())
            emit clicked(m_selected);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MonthView::focusInEvent(QFocusEvent *event) {
    // Reached with the keyboard, the keyboard needs a place to start from.
    const bool byKeyboard = event->reason() == Qt::TabFocusReason ||
                            event->reason() == Qt::BacktabFocusReason ||
                            event->reason() == Qt::ShortcutFocusReason;
    if (!m_selected.isValid() && byKeyboard)
        setSelectedDate(firstSelectable());
    else
        describeSelection();
    if (m_selected.isValid())
        update(dayRect(m_selected));
    QWidget::focusInEvent(event);
}

void MonthView::focusOutEvent(QFocusEvent *event) {
    if (m_selected.isValid())
        update(dayRect(m_selected));
    QWidget::focusOutEvent(event);
}

bool MonthView::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QDate date = dateAt(help->pos());
        const QString tip = toolTip(date);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, dayRect(date));
        }
        return true;
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
    return QWidget::event(event);
}

} // namespace mirune::ui
