#include "month_report.h"

#include "model/class_line.h"
#include "model/units.h"
#include "report_columns.h"

#include <QHash>
#include <utility>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

using Kind = ReportCell::Kind;
using Shade = ReportCell::Shade;

using namespace report_columns;

const QString kSheetName = u"月別時数"_s;

// The headings from the months to the pace, and the totalling columns' headings of the
// figures among them.
QStringList monthHeadings() {
    QStringList headings;
    for (int i = 0; i < kSchoolYearMonths; ++i)
        headings += fncMonthHeading(i);
    headings += {kYearActualHeading.toString(), kYearPlanHeading.toString(), kDueHeading.toString(),
                 kDueDifferenceHeading.toString(), kPaceHeading.toString()};
    return headings;
}

QStringList numberHeadings() {
    QStringList headings = monthHeadings();
    headings.removeLast(); // 状況 is a word, not a figure
    for (QString &heading : headings)
        heading = hoursHeading(heading);
    return headings;
}

// The two ways a month table's rows are made: as cells for the CSV and the workbook, and as
// bare texts for the text a terminal shows. One walk of the months (below) serves both, so the
// two cannot tell different things.

// Rows of cells. Figure cells are made once per figure, shade and kind and then shared: a
// school's table holds a few hundred thousand of them, most of the same few figures.
class CellRows {
  public:
    void begin(qsizetype size) { m_row.reserve(size); }
    void label(const QString &text, Shade shade = Shade::None) {
        m_row += ReportCell{Kind::Label, text, std::nullopt, 0, shade};
    }
    void integer(int n, Shade shade = Shade::None) {
        m_row += ReportCell{Kind::Integer, QString::number(n), double(n), 0, shade};
    }
    void figure(int units, Shade shade, bool difference = false) {
        const qint64 key = (qint64(units) << 8) | (int(shade) << 1) | int(difference);
        auto it = m_figures.find(key);
        if (it == m_figures.end())
            it = m_figures.insert(key, figureCell(units, shade, difference));
        m_row += *it;
    }
    void status(bool behind) {
        // In red, as a shortfall is.
        m_row += ReportCell{Kind::Label, behind ? kBehindWord.toString() : QString(), std::nullopt,
                            behind ? -1 : 0, Shade::None};
    }
    void end() { rows += std::exchange(m_row, {}); }

    QList<QList<ReportCell>> rows;

  private:
    QList<ReportCell> m_row;
    QHash<qint64, ReportCell> m_figures;
};

// Rows of the cells' texts, as fncReportLines takes them from the cells.
class TextRows {
  public:
    void begin(qsizetype size) { m_row.reserve(size); }
    void label(const QString &text, Shade = Shade::None) { m_row += text; }
    void integer(int n, Shade = Shade::None) { m_row += QString::number(n); }
    void figure(int units, Shade, bool = false) {
        auto it = m_figures.find(units);
        if (it == m_figures.end())
            it = m_figures.insert(units, fncUnitsToText(units));
        m_row += *it;
    }
    void status(bool behind) { m_row += behind ? kBehindWord.toString() : QString(); }
    void end() { rows += std::exchange(m_row, {}); }

    QList<QStringList> rows;

  private:
    QStringList m_row;
    QHash<int, QString> m_figures;
};

// The cells of a row after its name: the months, then the year's columns.
constexpr int kCellsAfterName = kSchoolYearMonths + 5;

// The school days of the months, of the year under its actual hours and of the days past under
// the plan due.
template <class Rows> void addSchoolDayCells(Rows &rows, const MonthlyPace &pace) {
    for (const MonthTotal &month : pace.totals.months)
        rows.integer(month.schoolDays, Shade::Term);
    rows.integer(pace.totals.yearSchoolDays, Shade::Year);
    rows.label(QString(), Shade::Year);
    rows.integer(pace.daysPast, Shade::Year);
    rows.label(QString(), Shade::Year);
    rows.label(QString());
}

template <class Rows> void addRowCells(Rows &rows, const MonthlyPace &pace, HourField field) {
    const PaceRow &row = pace.row(field);
    for (const MonthTotal &month : pace.totals.months)
        rows.figure(month.actual[field], Shade::Term);
    rows.figure(row.actual, Shade::Year);
    rows.figure(row.yearPlan, Shade::Year);
    rows.figure(row.due, Shade::Year);
    rows.figure(row.difference, Shade::Year, true);
    rows.status(row.behind);
}

template <class Rows> void addClassRows(Rows &rows, const MonthlyPace &pace) {
    rows.begin(1 + kCellsAfterName);
    rows.label(kSchoolDaysRowName.toString(), Shade::Heading);
    addSchoolDayCells(rows, pace);
    rows.end();
    for (HourField f : pace.shownFields) {
        rows.begin(1 + kCellsAfterName);
        rows.label(subjectInfo(f).summaryName.toString(), Shade::Heading);
        addRowCells(rows, pace, f);
        rows.end();
    }
}

QStringList schoolHeadings() {
    return classHeadings() + monthHeadings() +
           QStringList{kPaceDateHeading.toString(), kDuplicateHeading.toString(),
                       kFileHeading.toString()};
}

template <class Rows> void addSchoolRows(Rows &rows, const SchoolSummary &summary) {
    const qsizetype size = schoolHeadings().size();
    for (const SchoolClass &one : summary.classes) {
        if (!one.pace)
            continue;
        const MonthlyPace &pace = *one.pace;
        const QString date = fncPaceDateText(pace.date);
        const QString duplicate = one.duplicate ? kDuplicateMark.toString() : QString();
        const auto front = [&](const QString &name) {
            rows.begin(size);
            rows.integer(one.year);
            rows.integer(one.grade);
            rows.label(one.className);
            rows.label(one.teacher);
            rows.label(name);
        };
        const auto back = [&] {
            rows.label(date);
            rows.label(duplicate);
            rows.label(one.file);
            rows.end();
        };
        front(kSchoolDaysRowName.toString());
        addSchoolDayCells(rows, pace);
        back();
        for (HourField f : pace.shownFields) {
            front(subjectInfo(f).summaryName.toString());
            addRowCells(rows, pace, f);
            back();
        }
    }
}

qsizetype schoolRowCount(const SchoolSummary &summary) {
    qsizetype count = 0;
    for (const SchoolClass &one : summary.classes)
        if (one.pace)
            count += 1 + one.pace->shownFields.size();
    return count;
}

} // namespace

QString fncPaceDateText(const QDate &date) {
    return date.toString(u"yyyy-MM-dd"_s);
}

ReportTable fncMonthReport(const AppState &state, const MonthlyPace &pace) {
    ReportTable table;
    table.title = kMonthTitle.toString();
    table.sheetName = kSheetName;
    table.classLine = fncClassLine(state) + u"　　"_s + kPaceDateHeading.toString() + u"："_s +
                      fncPaceDateText(pace.date);
    table.headings = QStringList{kRowHeading.toString()} + monthHeadings();
    table.numberHeadings = numberHeadings();
    CellRows rows;
    rows.rows.reserve(1 + pace.shownFields.size());
    addClassRows(rows, pace);
    table.rows = std::move(rows.rows);
    return table;
}

ReportTable fncSchoolMonthReport(const SchoolSummary &summary) {
    ReportTable table;
    table.title = kSchoolMonthTitle.toString();
    table.sheetName = kSheetName;
    table.headings = schoolHeadings();
    table.numberHeadings = numberHeadings();
    table.onePage = false;
    CellRows rows;
    rows.rows.reserve(schoolRowCount(summary));
    addSchoolRows(rows, summary);
    table.rows = std::move(rows.rows);
    return table;
}

QList<QStringList> fncSchoolMonthLines(const SchoolSummary &summary) {
    TextRows rows;
    rows.rows.reserve(1 + schoolRowCount(summary));
    rows.rows += schoolHeadings();
    addSchoolRows(rows, summary);
    return std::move(rows.rows);
}

} // namespace mirune
