#include "report_table.h"

#include "model/class_line.h"
#include "model/curriculum_rows.h"
#include "model/units.h"

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
    ReportTable table;
    table.title = u"時数集計表　%1学期"_s.arg(summary.term);
    table.classLine = fncClassLine(state);
    for (const QString &heading : hoursSummaryHeadings())
        table.headings += heading;
    for (int c = 1; c < 7; ++c)
        table.numberHeadings += hoursSummaryHeadings()[c] + u"（時間）"_s;

    using Shade = ReportCell::Shade;
    for (const HoursSummaryRow &row : summary.rows) {
        // 外国語 and 外国語活動 only where the plan shows them, as in the window.
        if (!fncIsFieldShown(state, row.field))
            continue;
        QList<ReportCell> cells;
        cells += ReportCell{ReportCell::Kind::Label, subjectInfo(row.field).summaryName.toString(),
                            std::nullopt, 0, Shade::Heading};
        const auto units = fncSummaryRowUnits(row);
        for (int c = 1; c < 7; ++c)
            cells += figureCell(units[c], c <= 3 ? Shade::Term : Shade::Year, c == 3 || c == 6);
        cells += rateCell(row.termRate, Shade::Term);
        cells += rateCell(row.yearRate, Shade::Year);
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
