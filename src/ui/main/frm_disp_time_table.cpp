#include "frm_disp_time_table.h"

#include "document/class_document.h"
#include "hours_chart.h"
#include "hours_grid_colours.h"
#include "model/curriculum_rows.h"
#include "model/hours_pace.h"
#include "model/hours_summary.h"
#include "model/term_rule.h"
#include "model/units.h"
#include "month_hours_view.h"
#include "report/month_report.h"
#include "report/workbook_write.h"
#include "ui/common/control_array.h"
#include "ui/common/dialogs.h"
#include "ui/common/hide_on_close.h"
#include "ui/common/output_dialog.h"
#include "ui/common/scrolling_page.h"
#include "ui/common/twips.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"時数集計表"_s;
const QString kTermTab = u"学期別"_s;
const QString kMonthTab = u"月別"_s;
const QString kViewsName = u"学期別と月別の集計"_s;
constexpr int kMonthTabIndex = 1;
const QString kSaveExcelCaption = u"Excel に保存"_s;
const QString kExcelFilter = u"Excel ブック (*.xlsx)"_s;
const QString kSaveFailedTitle = u"Excel に保存"_s;

constexpr int kColumnCount = kHoursSummaryColumns;
// Every column of the grid is at least this wide, and wider where a heading needs it.
constexpr int kColumnTwips = 1030;

bool isDifferenceColumn(int column) {
    return hoursSummaryColumns()[column].kind == SummaryColumn::Kind::Difference;
}

bool isTermColumn(int column) {
    return hoursSummaryColumns()[column].term;
}

} // namespace

frmDispTimeTable::frmDispTimeTable(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmDispTimeTable"_s);
    setWindowTitle(kTitle);

    m_optSeason = makeControlArray<QRadioButton, 3>(this, u"optSeason"_s);
    const std::array<QString, 3> seasonCaptions = {u"一学期"_s, u"二学期"_s, u"三学期"_s};
    m_seasonGroup = new QButtonGroup(this);
    auto *seasonRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_optSeason[i]->setText(seasonCaptions[i]);
        m_seasonGroup->addButton(m_optSeason[i], i);
        seasonRow->addWidget(m_optSeason[i]);
    }
    seasonRow->addStretch(1);
    m_optSeason[0]->setChecked(true);

    m_labelTimeTable =
        new QLabel(u"集計したい学期を、上のボタンから選んでクリックしてください。"_s, this);
    m_labelTimeTable->setObjectName(u"LabelTimeTable"_s);
    m_labelTimeTable->setWordWrap(true);

    m_gridTimeTable = new QTableWidget(this);
    m_gridTimeTable->setObjectName(u"gridTimeTable"_s);
    m_gridTimeTable->setAccessibleName(kTitle);
    buildGrid();

    m_chartTimeTable = new HoursChart(this);
    // The table keeps every column in view; the chart takes the room that is left, and more
    // when the window is widened.
    auto *tableRow = new QHBoxLayout;
    tableRow->addWidget(m_gridTimeTable);
    tableRow->addWidget(m_chartTimeTable, 1);
    // The legend under both, as wide as the window: its items take a second line rather than
    // lose their ends.
    m_chartLegend = new HoursChartLegend(this);

    m_cmdCloseTimeTable = new QPushButton(u"閉じる"_s, this);
    m_cmdCloseTimeTable->setObjectName(u"cmdCloseTimeTable"_s);
    m_cmdCloseTimeTable->setDefault(true);
    m_cmdSaveExcel = new QPushButton(kSaveExcelCaption, this);
    m_cmdSaveExcel->setObjectName(u"cmdSaveExcel"_s);
    m_cmdSaveExcel->setAutoDefault(false);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_cmdSaveExcel);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_cmdCloseTimeTable);

    // The term view as it always was on the first tab, the months on the second.
    auto *termPage = new QWidget(this);
    termPage->setObjectName(u"pageTermTable"_s);
    auto *termLayout = new QVBoxLayout(termPage);
    termLayout->addLayout(seasonRow);
    termLayout->addWidget(m_labelTimeTable);
    termLayout->addLayout(tableRow, 1);
    termLayout->addWidget(m_chartLegend);
    m_viewMonthTable = new MonthHoursView(this);
    m_tabTimeTable = new QTabWidget(this);
    m_tabTimeTable->setObjectName(u"tabTimeTable"_s);
    m_tabTimeTable->setAccessibleName(kViewsName);
    m_tabTimeTable->addTab(termPage, kTermTab);
    m_tabTimeTable->addTab(m_viewMonthTable, kMonthTab);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabTimeTable, 1);
    layout->addLayout(buttonRow);

    // Choosing a term by mouse or with the arrow keys refills at once.
    connect(m_seasonGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            subFillTimeTable();
    });
    connect(m_cmdCloseTimeTable, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_cmdSaveExcel, &QPushButton::clicked, this, &frmDispTimeTable::saveWorkbook);
    connect(m_tabTimeTable, &QTabWidget::currentChanged, this, &frmDispTimeTable::fillShownView);

    // The grid follows the record and the plan while it is shown; a hidden window catches up
    // when it is shown again.
    // The months count school days, which the holidays decide; lessons still being entered
    // count for nothing.
    connect(&m_ui.document, &ClassDocument::changed, this, [this](const PlanChange &change) {
        if (change.touches(PlanChange::Parts(PlanChange::Plans) | PlanChange::Days |
                           PlanChange::Holidays | PlanChange::Class))
            refreshIfShown();
    });

    subFillTimeTable();

    // Big enough for the whole grid: a window's first size is otherwise kept to two thirds of
    // the screen, which cuts off the totals at the bottom. No larger than the screen, title bar
    // included.
    fitToScreen(this);
}

void frmDispTimeTable::buildGrid() {
    QTableWidget *grid = m_gridTimeTable;
    const auto &subjects = subjectTable();
    const auto &headings = hoursSummaryHeadings();
    const int rowCount = static_cast<int>(subjects.size());

    grid->setColumnCount(kColumnCount);
    grid->setRowCount(rowCount);
    QStringList headingTexts;
    for (const QString &heading : headings)
        headingTexts << heading;
    grid->setHorizontalHeaderLabels(headingTexts);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->verticalHeader()->hide();
    // Rows as tall as a line of text needs, so that all of them fit on a small screen.
    grid->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    const QColor black(0, 0, 0);
    for (int row = 0; row < rowCount; ++row) {
        // The row names stand like the heading row: centred, on the header's colour.
        auto *name = new QTableWidgetItem(subjects[row].summaryName.toString());
        name->setTextAlignment(Qt::AlignCenter);
        name->setBackground(palette().button());
        name->setForeground(palette().buttonText());
        grid->setItem(row, 0, name);
        for (int column = 1; column < kColumnCount; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setBackground(isTermColumn(column) ? kPeriodFiguresBackground
                                                     : kYearFiguresBackground);
            cell->setForeground(black);
            grid->setItem(row, column, cell);
        }
    }

    // Every column equally wide, as laid out in twips or wider where a heading or a figure
    // needs it; a larger window shares its room out evenly among the columns and the rows.
    grid->resizeColumnsToContents();
    int columnWidth = kColumnTwips * logicalDpiX() / kTwipsPerInch;
    columnWidth = std::max(columnWidth, fontMetrics().horizontalAdvance(u"-9999.9"_s) * 5 / 4);
    for (int column = 0; column < kColumnCount; ++column)
        columnWidth = std::max(columnWidth, grid->columnWidth(column));
    columnWidth += fontMetrics().averageCharWidth(); // a little air beside the widest heading
    grid->horizontalHeader()->setMinimumSectionSize(columnWidth);
    // As wide as all its columns: beside the chart the table keeps every figure in view, and a
    // wider window gives its room to the chart. (The table's own size hint follows its
    // stretched columns, so it cannot serve.)
    grid->setFixedWidth(columnWidth * kColumnCount + 2 * grid->frameWidth());
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

int frmDispTimeTable::chosenTerm() const {
    const int id = m_seasonGroup->checkedId();
    return id == 0 || id == 1 ? id + 1 : 3;
}

void frmDispTimeTable::subFillTimeTable() {
    const HoursSummary summary = fncHoursSummary(m_ui.state, chosenTerm());
    const auto &headings = hoursSummaryHeadings();
    const int rowCount = std::min(m_gridTimeTable->rowCount(), int(summary.rows.size()));
    for (int row = 0; row < rowCount; ++row) {
        const HoursSummaryRow &figures = summary.rows[row];
        // 外国語 and 外国語活動 stand only where the plan shows them; every other row always.
        const bool shown = fncIsFieldShown(m_ui.state, figures.field);
        if (m_gridTimeTable->isRowHidden(row) == shown)
            m_gridTimeTable->setRowHidden(row, !shown);
        const auto texts = fncSummaryRowTexts(figures);
        const auto units = fncSummaryRowUnits(figures);
        const QString rowName = m_gridTimeTable->item(row, 0)->text();
        for (int column = 1; column < kColumnCount; ++column) {
            QTableWidgetItem *cell = m_gridTimeTable->item(row, column);
            cell->setText(texts[column]);
            // A screen reader hears the row and the column with the figure.
            cell->setData(Qt::AccessibleTextRole,
                          u"%1 %2 %3"_s.arg(rowName, headings[column], texts[column]));
            if (isDifferenceColumn(column))
                cell->setForeground(fncDifferenceColour(units[column]));
        }
    }
    m_chartTimeTable->setFigures(summary, fncShownFields(m_ui.state),
                                 fncMonthlyPace(m_ui.state, m_ui.today()));
    m_chartLegend->setTerm(summary.term);
    m_chartTimeTable->alignRows(m_gridTimeTable->horizontalHeader()->height(),
                                m_gridTimeTable->frameWidth());
}

void frmDispTimeTable::saveWorkbook() {
    const QString path = fncChooseOutputPath(m_ui.dialogs, this, kSaveExcelCaption, kExcelFilter,
                                             OutputFormat::Xlsx, m_ui.state.strFileName)
                             .path;
    if (path.isEmpty())
        return;
    const ReportTable table =
        isMonthViewShown()
            ? fncMonthReport(m_ui.state, fncMonthlyPace(m_ui.state, m_ui.today()))
            : fncSummaryReport(m_ui.state, fncHoursSummary(m_ui.state, chosenTerm()));
    const FileWriteResult written = writeWorkbook(path, table);
    if (!written.ok())
        m_ui.dialogs.message(this, MessageKind::Critical, kSaveFailedTitle, written.message);
}

void frmDispTimeTable::markTerm(int term) {
    const QSignalBlocker blocker(m_seasonGroup);
    m_optSeason[std::clamp(term, 1, 3) - 1]->setChecked(true);
}

void frmDispTimeTable::activated() {
    m_cmdCloseTimeTable->setFocus();
    // The term the chosen date counts in, so a date in August shows the second term. Before
    // any date was chosen, today stands in.
    const QDate chosen =
        isZeroDate(m_ui.state.dateSelected) ? m_ui.today() : m_ui.state.dateSelected;
    markTerm(fncSummaryTermForMonth(chosen.month()));
    fillShownView();
}

void frmDispTimeTable::subFillMonthTable() {
    m_viewMonthTable->setPace(fncMonthlyPace(m_ui.state, m_ui.today()));
}

void frmDispTimeTable::fillShownView() {
    if (isMonthViewShown())
        subFillMonthTable();
    else
        subFillTimeTable();
}

bool frmDispTimeTable::isMonthViewShown() const {
    return m_tabTimeTable->currentIndex() == kMonthTabIndex;
}

void frmDispTimeTable::showMonthView() {
    if (isMonthViewShown())
        subFillMonthTable();
    else
        m_tabTimeTable->setCurrentIndex(kMonthTabIndex); // fills it
    show();
    raise();
    activateWindow();
}

void frmDispTimeTable::refreshIfShown() {
    if (isVisible())
        fillShownView();
}

void frmDispTimeTable::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmDispTimeTable::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Shown again after "閉じる": the window may still count as the active one and get no
    // activation, yet it must show the record as it is now.
    if (!event->spontaneous())
        activated();
}

void frmDispTimeTable::closeEvent(QCloseEvent *event) {
    if (hideOnUserClose(this, event))
        return;
    QWidget::closeEvent(event);
}

} // namespace mirune::ui
