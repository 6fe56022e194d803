#include "report_table.h"

#include "model/class_line.h"
#include "model/curriculum_rows.h"
#include "model/units.h"
#include "report_columns.h"

namespace mirune {

using namespace Qt::StringLiterals;

ReportCell figureCell(int units, ReportCell::Shade shade, bool difference) {
    ReportCell cell;
    cell.kind = ReportCell::Kind::Figure;
    cell.text = fncUnitsToText(units);
    // H.R is not a decimal fraction ("32.1" is 32 hours and one 15-minute unit): a spreadsheet
    // totals the lesson hours, units divided by the three units of a lesson hour.
    cell.number = double(units) / kUnitsPerLessonHour;
    cell.sign = difference ? (units > 0) - (units < 0) : 0;
    cell.shade = shade;
    return cell;
}

ReportCell rateCell(std::optional<double> rate, ReportCell::Shade shade) {
    ReportCell cell;
    cell.kind = ReportCell::Kind::Rate;
    cell.text = fncRateText(rate);
    if (rate)
        cell.number = *rate / 100.0;
    cell.shade = shade;
    return cell;
}

ReportTable fncSummaryReport(const AppState &state, const HoursSummary &summary) {
    using Kind = SummaryColumn::Kind;
    using Shade = ReportCell::Shade;
    const auto &columns = hoursSummaryColumns();
    ReportTable table;
    table.title = report_columns::summaryTitle(summary.term);
    table.classLine = fncClassLine(state);
    for (const SummaryColumn &column : columns) {
        table.headings += column.heading.toString();
        if (column.kind == Kind::Figure || column.kind == Kind::Difference)
            table.numberHeadings += report_columns::hoursHeading(column.heading.toString());
    }

    for (const HoursSummaryRow &row : summary.rows) {
        // 外国語 and 外国語活動 only where the plan shows them, as in the window.
        if (!fncIsFieldShown(state, row.field))
            continue;
        const auto units = fncSummaryRowUnits(row);
        QList<ReportCell> cells;
        for (int c = 0; c < kHoursSummaryColumns; ++c) {
            const Shade shade = columns[c].term ? Shade::Term : Shade::Year;
            switch (columns[c].kind) {
            case Kind::Name:
                cells += ReportCell{ReportCell::Kind::Label,
                                    subjectInfo(row.field).summaryName.toString(), std::nullopt, 0,
                                    Shade::Heading};
                break;
            case Kind::Figure:
            case Kind::Difference:
                cells += figureCell(units[c], shade, columns[c].kind == Kind::Difference);
                break;
            case Kind::Rate:
                cells += rateCell(fncSummaryRowRate(row, c), shade);
                break;
            }
        }
        table.rows += cells;
    }
    return table;
}

QList<QStringList> fncReportLines(const ReportTable &table) {
    QList<QStringList> lines;
    lines += table.headings;
    for (const QList<ReportCell> &row : table.rows) {
        QStringList texts;
        for (const ReportCell &cell : row)
            texts += cell.text;
        lines += texts;
    }
    return lines;
}

} // namespace mirune
