#include "week_grid.h"

#include "model/day_column.h"
#include "model/day_record.h"
#include "model/notation.h"
#include "model/school_day.h"
#include "model/units.h"
#include "model/week_view.h"
#include "ui/common/control_array.h"
#include "ui/common/subject_button.h"
#include "ui/common/subject_icons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kRegister = u"登録"_s;
const QString kCancel = u"取消"_s;

} // namespace

WeekGrid::WeekGrid(UiContext &ui, QWidget *parent) : QFrame(parent), m_ui(ui) {
    setObjectName(u"fraSubject"_s);
    setFrameShape(QFrame::StyledPanel);
    buildControls();
    subUnvisibleButton();
}

void WeekGrid::buildControls() {
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(4);

    m_headings = makeControlArray<QLabel, kDays>(this, u"Label2"_s);
    m_periodNumbers = makeControlArray<QLabel, kPeriods>(this, u"Label7"_s);
    m_cells = makeControlArray<SubjectButton, kCells>(this, u"cmdWeek"_s);
    m_lengths = makeControlArray<QToolButton, kCells>(this, u"labWeekCredit"_s);
    m_register = makeControlArray<QPushButton, kDays>(this, u"cmdReg"_s);

    for (int p = 0; p < kPeriods; ++p) {
        m_periodNumbers[p]->setText(fncPeriodChar(p));
        m_periodNumbers[p]->setAlignment(Qt::AlignCenter);
        grid->addWidget(m_periodNumbers[p], 1 + p, 0);
    }
    m_cellGroup = new QButtonGroup(this);
    m_cellGroup->setExclusive(false);
    for (int d = 0; d < kDays; ++d) {
        m_headings[d]->setAlignment(Qt::AlignCenter);
        grid->addWidget(m_headings[d], 0, 1 + 2 * d, 1, 2);
        for (int p = 0; p < kPeriods; ++p) {
            const int i = d * kPeriods + p;
            SubjectButton *cell = m_cells[i];
            cell->setIconSize(QSize(28, 28));
            cell->setMinimumSize(56, 52);
            cell->setCompact(true);
            cell->installEventFilter(this);
            m_cellGroup->addButton(cell, i);
            grid->addWidget(cell, 1 + p, 1 + 2 * d);

            QToolButton *length = m_lengths[i];
            length->setAutoRaise(true);
            length->setFocusPolicy(Qt::StrongFocus);
            length->setToolTip(u"授業の長さを変えます"_s);
            QSizePolicy policy = length->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            length->setSizePolicy(policy);
            length->installEventFilter(this);
            connect(length, &QToolButton::clicked, this, [this, i] { lengthClicked(i); });
            grid->addWidget(length, 1 + p, 2 + 2 * d);
        }
        QPushButton *reg = m_register[d];
        reg->setText(kRegister);
        QSizePolicy policy = reg->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        reg->setSizePolicy(policy);
        connect(reg, &QPushButton::clicked, this, [this, d] { registerClicked(d); });
        grid->addWidget(reg, 1 + kPeriods, 1 + 2 * d, 1, 2);
    }
    connect(m_cellGroup, &QButtonGroup::idClicked, this, &WeekGrid::cellClicked);
    grid->setRowStretch(2 + kPeriods, 1);

    // The length chooser floats over the label whose length it sets.
    m_cboTime = new QComboBox(this);
    m_cboTime->setObjectName(u"cboTime"_s);
    for (int t = 0; t <= kLongestTimeCode; ++t)
        m_cboTime->addItem(subGetCredit(t));
    m_cboTime->setAccessibleName(u"授業の長さ"_s);
    m_cboTime->hide();
    m_cboTime->installEventFilter(this);
    connect(m_cboTime, &QComboBox::activated, this, &WeekGrid::lengthChosen);
}

void WeekGrid::subUnvisibleButton() {
    for (int i = 0; i < kCells; ++i) {
        m_cells[i]->hide();
        m_lengths[i]->hide();
    }
    for (QPushButton *reg : m_register)
        reg->hide();
}

void WeekGrid::setTimetableB(bool useB) {
    // The document tells the change of what the untouched days show; the main window redraws.
    m_ui.document.setTimetable(useB ? TimetableChoice::B : TimetableChoice::A);
}

void WeekGrid::redraw() {
    if (m_shownDate.isValid())
        showWeek(m_shownDate);
}

KeptEdits WeekGrid::redrawKeepingEdits() {
    KeptEdits result;
    if (!m_shownDate.isValid())
        return result;
    struct Entry {
        QDate date;
        std::optional<DayColumn> basis;
    };
    QList<Entry> entered;
    for (int d = 0; d < kDays; ++d)
        if (m_kind[d] == ClassDocument::ColumnKind::Entered)
            entered.append({m_columnDay[d], m_basis[d]});
    const int chooserIndex = intMainCreditSel;
    const bool chooserOpen = m_cboTime->isVisible();
    showWeek(m_shownDate);
    for (const Entry &entry : entered) {
        const int d = columnOf(entry.date);
        if (d < 0 || m_kind[d] != ClassDocument::ColumnKind::Entered)
            result.dropped.append(entry.date);
        else if (m_basis[d] != entry.basis)
            result.kept.append(entry.date);
    }
    // A length being chosen stays open over its label.
    if (chooserOpen && chooserIndex >= 0 && m_lengths[chooserIndex]->isVisible())
        lengthClicked(chooserIndex);
    return result;
}

int WeekGrid::columnOf(const QDate &date) const {
    if (!date.isValid())
        return -1;
    for (int d = 0; d < kDays; ++d)
        if (m_columnDay[d] == date)
            return d;
    return -1;
}

bool WeekGrid::isColumnRegistered(int column) const {
    return m_kind[column] == ClassDocument::ColumnKind::Registered;
}

bool WeekGrid::isColumnEdited(int column) const {
    return m_kind[column] == ClassDocument::ColumnKind::Entered;
}

void WeekGrid::closeLengthChooser() {
    m_cboTime->hide();
    m_cboTime->setCurrentIndex(-1);
    intMainCreditSel = -1;
}

void WeekGrid::showWeek(const QDate &date, bool focusRegister) {
    const AppState &state = m_ui.state;
    if (!date.isValid() || state.intYear == 0)
        return;
    m_shownDate = date;
    m_ui.document.setSelectedDate(date);
    closeLengthChooser();
    setUpdatesEnabled(false);
    // What is to be shown is gathered first and applied once: hiding everything and showing it
    // again would lay the grid out anew for every control.
    m_wantCell.fill(false);
    m_wantLength.fill(false);
    m_wantRegister.fill(false);
    m_basis.fill(std::nullopt);
    m_kind.fill(ClassDocument::ColumnKind::Blank);
    const WeekSpan span = fncWeekOfDate(state.intYear, date);
    for (int d = 0; d < kDays; ++d) {
        const QDate day = span.first.addDays(d - (span.first.dayOfWeek() - 1));
        if (day < span.first || day > span.last) {
            // A column outside the school year: no date of this year to show.
            m_columnDay[d] = QDate();
            m_headings[d]->clear();
            continue;
        }
        m_columnDay[d] = day;
        m_headings[d]->setText(fncColumnHeading(day));
        nameColumn(d);
        fillColumn(d, true);
    }
    for (int i = 0; i < kCells; ++i) {
        if (m_cells[i]->isVisibleTo(this) != m_wantCell[i])
            m_cells[i]->setVisible(m_wantCell[i]);
        if (m_lengths[i]->isVisibleTo(this) != m_wantLength[i])
            m_lengths[i]->setVisible(m_wantLength[i]);
    }
    for (int d = 0; d < kDays; ++d)
        if (m_register[d]->isVisibleTo(this) != m_wantRegister[d])
            m_register[d]->setVisible(m_wantRegister[d]);
    setUpdatesEnabled(true);
    if (focusRegister) {
        for (int d = kDays - 1; d >= 0; --d) {
            if (m_wantRegister[d]) {
                m_register[d]->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

void WeekGrid::fillColumn(int column, bool batch) {
    const QDate date = m_columnDay[column];
    const ClassDocument::ShownColumn shown = m_ui.document.column(date);
    m_kind[column] = shown.kind;
    m_basis[column] = fncUntouchedColumn(m_ui.state, date, m_ui.document.timetable());
    if (shown.kind == ClassDocument::ColumnKind::Blank) {
        // A day that cannot be recorded stays blank.
        if (!batch) {
            for (int p = 0; p < kPeriods; ++p) {
                m_cells[column * kPeriods + p]->hide();
                m_lengths[column * kPeriods + p]->hide();
            }
            m_register[column]->hide();
        }
        return;
    }
    const bool registered = shown.kind == ClassDocument::ColumnKind::Registered;
    applyContent(column, shown.content, batch);
    setColumnEnabled(column, !registered);
    m_register[column]->setText(registered ? kCancel : kRegister);
    nameColumn(column);
    if (batch)
        m_wantRegister[column] = true;
    else
        m_register[column]->setVisible(true);
}

void WeekGrid::applyContent(int column, const DayColumn &content, bool batch) {
    const int base = column * kPeriods;
    for (int p = 0; p < kPeriods; ++p) {
        const int i = base + p;
        const int t = content.credits[p].digitValue();
        setLength(i, t);
        m_cells[i]->setCode(t == 0 ? QChar() : content.subjects[p]);
        if (batch) {
            m_wantLength[i] = true;
            m_wantCell[i] = t != 0;
        } else {
            m_lengths[i]->setVisible(true);
            m_cells[i]->setVisible(t != 0);
        }
    }
}

void WeekGrid::redrawColumn(int column) {
    if (column < 0 || column >= kDays || !m_columnDay[column].isValid())
        return;
    fillColumn(column, false);
}

void WeekGrid::redrawDays(const QList<QDate> &dates) {
    for (const QDate &date : dates)
        redrawColumn(columnOf(date));
}

void WeekGrid::setLength(int index, int timeCode) {
    m_timeCode[index] = timeCode;
    m_lengths[index]->setText(subGetCredit(timeCode));
    const int column = index / kPeriods;
    const QString prefix =
        m_headings[column]->text() + u' ' + QString::number(index % kPeriods) + u"時限"_s;
    m_lengths[index]->setAccessibleName(prefix + u' ' + subGetCredit(timeCode));
}

void WeekGrid::nameColumn(int column) {
    const QString heading = m_headings[column]->text();
    for (int p = 0; p < kPeriods; ++p) {
        const int i = column * kPeriods + p;
        const QString prefix = heading + u' ' + QString::number(p) + u"時限"_s;
        m_cells[i]->setAccessiblePrefix(prefix);
        m_lengths[i]->setAccessibleName(prefix + u' ' + subGetCredit(m_timeCode[i]));
    }
    m_register[column]->setAccessibleName(heading + u' ' + m_register[column]->text());
}

void WeekGrid::setColumnEnabled(int column, bool enabled) {
    for (int p = 0; p < kPeriods; ++p) {
        m_cells[column * kPeriods + p]->setEnabled(enabled);
        m_lengths[column * kPeriods + p]->setEnabled(enabled);
    }
}

void WeekGrid::selectSubject(QChar code) {
    if (code.isNull() || code == kNoSubject) {
        deselectSubject();
        return;
    }
    m_selectedSubject = code;
    setCursor(QCursor(subjectPointerPixmap(code)));
}

void WeekGrid::deselectSubject() {
    m_selectedSubject = QChar();
    unsetCursor();
}

void WeekGrid::cellClicked(int index) {
    SubjectButton *cell = m_cells[index];
    // The same subject again, or an empty cell with nothing selected, empties the cell.
    const QChar code = cell->code() != m_selectedSubject ? m_selectedSubject : QChar();
    const int column = index / kPeriods;
    m_ui.document.setSubject(m_columnDay[column], index % kPeriods,
                             code.isNull() ? kNoSubject : code);
}

void WeekGrid::lengthClicked(int index) {
    intMainCreditSel = index;
    QToolButton *label = m_lengths[index];
    m_cboTime->setGeometry(label->geometry().adjusted(0, 0, 24, 0));
    m_cboTime->setCurrentIndex(m_timeCode[index]);
    m_cboTime->setAccessibleName(label->accessibleName().section(u' ', 0, 1) + u" 授業の長さ"_s);
    m_cboTime->show();
    m_cboTime->raise();
    m_cboTime->setFocus(Qt::OtherFocusReason);
}

void WeekGrid::lengthChosen(int timeCode) {
    const int index = intMainCreditSel;
    if (index < 0 || index >= kCells)
        return;
    m_ui.document.setLength(m_columnDay[index / kPeriods], index % kPeriods, timeCode);
    deselectSubject();
    intMainCreditSel = -1;
    m_cboTime->hide();
    m_lengths[index]->setFocus(Qt::OtherFocusReason);
}

void WeekGrid::registerClicked(int column) {
    const QDate date = m_columnDay[column];
    if (!date.isValid())
        return;
    m_cboTime->hide();
    intMainCreditSel = -1;
    if (isColumnRegistered(column))
        m_ui.document.withdrawDay(date);
    else
        m_ui.document.registerDay(date);
    deselectSubject();
}

void WeekGrid::mousePressEvent(QMouseEvent *event) {
    // A click on the frame outside any cell puts the pointer back.
    deselectSubject();
    QFrame::mousePressEvent(event);
}

bool WeekGrid::eventFilter(QObject *watched, QEvent *event) {
    // Escape in the length chooser closes the chooser, not the window's shortcut for Escape.
    if (watched == m_cboTime && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_cboTime) {
            if (key->key() == Qt::Key_Escape) {
                const int index = intMainCreditSel;
                m_cboTime->hide();
                intMainCreditSel = -1;
                if (index >= 0)
                    m_lengths[index]->setFocus(Qt::OtherFocusReason);
                return true;
            }
            // Up and Down only move through the lengths; Return takes the one shown.
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                const int step = key->key() == Qt::Key_Up ? -1 : 1;
                m_cboTime->setCurrentIndex(
                    qBound(0, m_cboTime->currentIndex() + step, m_cboTime->count() - 1));
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                lengthChosen(m_cboTime->currentIndex());
                return true;
            }
            return false;
        }
        // Arrow keys move between the cells and length labels like a table.
        for (int i = 0; i < kCells; ++i) {
            if (watched != m_cells[i] && watched != m_lengths[i])
                continue;
            const bool onLength = watched == m_lengths[i];
            switch (key->key()) {
            case Qt::Key_Up:
                moveFocus(i, 0, -1);
                return true;
            case Qt::Key_Down:
                moveFocus(i, 0, 1);
                return true;
            case Qt::Key_Left:
                if (onLength)
                    m_cells[i]->isVisible() && m_cells[i]->isEnabled() ? m_cells[i]->setFocus()
                                                                       : moveFocus(i, -1, 0);
                else
                    moveFocus(i, -1, 0);
                return true;
            case Qt::Key_Right:
                if (!onLength && m_lengths[i]->isEnabled())
                    m_lengths[i]->setFocus();
                else
                    moveFocus(i, 1, 0);
                return true;
            default:
                return false;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void WeekGrid::moveFocus(int index, int dayStep, int periodStep) {
    int d = index / kPeriods;
    int p = index % kPeriods;
    for (int step = 0; step < kCells; ++step) {
        d += dayStep;
        p += periodStep;
        if (d < 0 || d >= kDays || p < 0 || p >= kPeriods)
            return;
        SubjectButton *cell = m_cells[d * kPeriods + p];
        if (cell->isVisible() && cell->isEnabled()) {
            cell->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace mirune::ui
