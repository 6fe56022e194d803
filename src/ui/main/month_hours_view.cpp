#include "month_hours_view.h"

#include "hours_grid_colours.h"
#include "model/units.h"
#include "ui/common/twips.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kGridName = u"月別時数表"_s;
// "2026年12月11日現在（過ぎた授業日 150日／年間 203日）"
const QString kDateLine = u"%1年%2月%3日現在（過ぎた授業日 %4日／年間 %5日）"_s;
const QString kBehindLine = u"遅れている教科：%1"_s;
const QString kNoneBehindLine = u"遅れている教科はありません。"_s;
const QString kListSeparator = u"、"_s;
// A month's heading over its school days: "4月" over "18日".
const QString kMonthHeading = u"%1\n%2日"_s;

// A row behind: its name on a pale red, its mark in red.
const QColor kBehindBackground(255, 215, 215);
const QColor kBehindText(255, 0, 0);
// Every column is at least this wide, and wider where a heading or a figure needs it.
constexpr int kColumnTwips = 720;

QString headingText(int column) {
    switch (column) {
    case MonthHoursView::YearActual:
        return kYearActualHeading.toString();
    case MonthHoursView::YearPlan:
        return kYearPlanHeading.toString();
    case MonthHoursView::Due:
        return kDueHeading.toString();
    case MonthHoursView::Difference:
        return kDueDifferenceHeading.toString();
    case MonthHoursView::Pace:
        return kPaceHeading.toString();
    default:
        return fncMonthHeading(column - MonthHoursView::FirstMonth);
    }
}

} // namespace

MonthHoursView::MonthHoursView(QWidget *parent) : QWidget(parent) {
    setObjectName(u"viewMonthTable"_s);

    m_labMonthPace = new QLabel(this);
    m_labMonthPace->setObjectName(u"labMonthPace"_s);
    m_labMonthPace->setWordWrap(true);

    m_gridMonthTable = new QTableWidget(this);
    m_gridMonthTable->setObjectName(u"gridMonthTable"_s);
    m_gridMonthTable->setAccessibleName(kGridName);
    buildGrid();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_labMonthPace);
    layout->addWidget(m_gridMonthTable, 1);
}

void MonthHoursView::buildGrid() {
    QTableWidget *grid = m_gridMonthTable;
    const auto &subjects = subjectTable();
    const int rowCount = static_cast<int>(subjects.size());
    grid->setColumnCount(ColumnCount);
    grid->setRowCount(rowCount);

    QStringList headings{u"教科"_s};
    for (int column = 1; column < ColumnCount; ++column)
        // Two lines from the start, so that the heading row keeps its height when the school
        // days are written under the months.
        headings += column < YearActual ? kMonthHeading.arg(headingText(column), u"00"_s)
                                        : headingText(column);
    grid->setHorizontalHeaderLabels(headings);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);

    const QColor black(0, 0, 0);
    for (int row = 0; row < rowCount; ++row) {
        auto *name = new QTableWidgetItem(subjects[row].summaryName.toString());
        name->setTextAlignment(Qt::AlignCenter);
        name->setForeground(palette().buttonText());
        grid->setItem(row, 0, name);
        for (int column = 1; column < ColumnCount; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(column == Pace ? Qt::AlignCenter
                                                  : Qt::AlignRight | Qt::AlignVCenter);
            cell->setBackground(column < YearActual ? kPeriodFiguresBackground
                                                    : kYearFiguresBackground);
            cell->setForeground(column == Pace ? kBehindText : black);
            grid->setItem(row, column, cell);
        }
    }

    // The months equally wide, as laid out in twips or wider where a heading or a figure needs
    // it, and sharing out the room of a wider window; the names and the year's columns as wide as
    // their texts. A window too narrow for them all scrolls.
    grid->resizeColumnsToContents();
    int monthWidth = kColumnTwips * logicalDpiX() / kTwipsPerInch;
    monthWidth = std::max(monthWidth, fontMetrics().horizontalAdvance(u"-999.9"_s) * 5 / 4);
    for (int column = FirstMonth; column < YearActual; ++column)
        monthWidth = std::max(monthWidth, grid->columnWidth(column));
    monthWidth += fontMetrics().averageCharWidth();
    const int air = fontMetrics().averageCharWidth() * 2;
    QHeaderView *header = grid->horizontalHeader();
    header->setMinimumSectionSize(monthWidth);
    m_preferredWidth = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column) {
        const bool month = column >= FirstMonth && column < YearActual;
        const int width =
            month ? monthWidth : std::max(monthWidth, grid->columnWidth(column) + air);
        grid->setColumnWidth(column, width);
        header->setSectionResizeMode(column, month ? QHeaderView::Stretch : QHeaderView::Fixed);
        m_preferredWidth += width;
    }
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

QSize MonthHoursView::sizeHint() const {
    const QSize hint = QWidget::sizeHint();
    return {std::max(hint.width(), m_preferredWidth), hint.height()};
}

void MonthHoursView::setPace(const MonthlyPace &pace) {
    QTableWidget *grid = m_gridMonthTable;
    for (int column = FirstMonth; column < YearActual; ++column) {
        const MonthTotal &month = pace.totals.months[column - FirstMonth];
        grid->horizontalHeaderItem(column)->setText(
            kMonthHeading.arg(headingText(column)).arg(month.schoolDays));
    }

    QStringList behindNames;
    const int rowCount = grid->rowCount();
    for (int r = 0; r < rowCount; ++r) {
        const PaceRow &row = pace.rows[r];
        const bool shown = pace.shownFields.contains(row.field);
        if (grid->isRowHidden(r) == shown)
            grid->setRowHidden(r, !shown);
        if (!shown)
            continue;
        const QString rowName = subjectInfo(row.field).summaryName.toString();
        if (row.behind && !isDerived(row.field))
            behindNames += rowName;

        QTableWidgetItem *name = grid->item(r, 0);
        name->setBackground(row.behind ? QBrush(kBehindBackground) : palette().button());
        name->setData(Qt::AccessibleTextRole,
                      row.behind ? rowName + u' ' + kBehindWord.toString() : rowName);

        const auto setFigure = [&](int column, int units) {
            QTableWidgetItem *cell = grid->item(r, column);
            const QString text = fncUnitsToText(units);
            cell->setText(text);
            // A screen reader hears the row and the column with the figure.
            cell->setData(Qt::AccessibleTextRole,
                          u"%1 %2 %3"_s.arg(rowName, headingText(column), text));
        };
        for (int column = FirstMonth; column < YearActual; ++column)
            setFigure(column, pace.totals.months[column - FirstMonth].actual[row.field]);
        setFigure(YearActual, row.actual);
        setFigure(YearPlan, row.yearPlan);
        setFigure(Due, row.due);
        setFigure(Difference, row.difference);
        grid->item(r, Difference)->setForeground(fncDifferenceColour(row.difference));

        QTableWidgetItem *mark = grid->item(r, Pace);
        mark->setText(row.behind ? kBehindWord.toString() : QString());
        mark->setData(Qt::AccessibleTextRole,
                      u"%1 %2 %3"_s.arg(rowName, headingText(Pace), mark->text()));
    }

    const QDate date = pace.date;
    QString text = kDateLine.arg(date.year())
                       .arg(date.month())
                       .arg(date.day())
                       .arg(pace.daysPast)
                       .arg(pace.totals.yearSchoolDays);
    text += u'\n';
    text +=
        behindNames.isEmpty() ? kNoneBehindLine : kBehindLine.arg(behindNames.join(kListSeparator));
    m_labMonthPace->setText(text);
}

} // namespace mirune::ui
