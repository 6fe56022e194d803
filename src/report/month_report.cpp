#include "month_report.h"

#include "model/class_line.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

using Kind = ReportCell::Kind;
using Shade = ReportCell::Shade;

const QString kTitle = u"月別時数表"_s;
const QString kSchoolTitle = u"学校の月別時数"_s;
const QString kSheetName = u"月別時数"_s;
const QString kPaceDateHeading = u"基準日"_s;
const QString kHoursUnit = u"（時間）"_s;
constexpr QStringView kDuplicateMark = u"重複";

ReportCell label(const QString &text, Shade shade = Shade::None) {
    return {Kind::Label, text, std::nullopt, 0, shade};
}

ReportCell integer(int n, Shade shade) {
    return {Kind::Integer, QString::number(n), double(n), 0, shade};
}

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
        heading += kHoursUnit;
    return headings;
}

// The school days of the months, of the year under its actual hours and of the days past under
// the plan due.
QList<ReportCell> schoolDayCells(const MonthlyPace &pace) {
    QList<ReportCell> cells;
    for (const MonthTotal &month : pace.totals.months)
        cells += integer(month.schoolDays, Shade::Term);
    cells += integer(pace.totals.yearSchoolDays, Shade::Year);
    cells += label(QString(), Shade::Year);
    cells += integer(pace.daysPast, Shade::Year);
    cells += label(QString(), Shade::Year);
    cells += label(QString());
    return cells;
}

QList<ReportCell> rowCells(const MonthlyPace &pace, HourField field) {
    const PaceRow &row = pace.row(field);
    QList<ReportCell> cells;
    for (const MonthTotal &month : pace.totals.months)
        cells += figureCell(month.actual[field], Shade::Term);
    cells += figureCell(row.actual, Shade::Year);
    cells += figureCell(row.yearPlan, Shade::Year);
    cells += figureCell(row.due, Shade::Year);
    cells += figureCell(row.difference, Shade::Year, true);
    ReportCell status = label(row.behind ? kBehindWord.toString() : QString());
    status.sign = row.behind ? -1 : 0; // in red, as a shortfall is
    cells += status;
    return cells;
}

} // namespace

QString fncPaceDateText(const QDate &date) {
    return date.toString(u"yyyy-MM-dd"_s);
}

ReportTable fncMonthReport(const AppState &state, const MonthlyPace &pace) {
    ReportTable table;
    table.title = kTitle;
    table.sheetName = kSheetName;
    table.classLine =
        fncClassLine(state) + u"　　"_s + kPaceDateHeading + u"："_s + fncPaceDateText(pace.date);
    table.headings = QStringList{u"教科"_s} + monthHeadings();
    table.numberHeadings = numberHeadings();

    table.rows += QList<ReportCell>{label(kSchoolDaysRowName.toString(), Shade::Heading)} +
                  schoolDayCells(pace);
    for (HourField f : pace.shownFields)
        table.rows +=
            QList<ReportCell>{label(subjectInfo(f).summaryName.toString(), Shade::Heading)} +
            rowCells(pace, f);
    return table;
}

ReportTable fncSchoolMonthReport(const SchoolSummary &summary) {
    ReportTable table;
    table.title = kSchoolTitle;
    table.sheetName = kSheetName;
    table.headings = QStringList{u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s, u"教科"_s} +
                     monthHeadings() + QStringList{kPaceDateHeading, u"重複"_s, u"ファイル"_s};
    table.numberHeadings = numberHeadings();
    table.onePage = false;

    for (const SchoolClass &one : summary.classes) {
        if (!one.pace)
            continue;
        const MonthlyPace &pace = *one.pace;
        const QList<ReportCell> front = {
            integer(one.year, Shade::None),
            integer(one.grade, Shade::None),
            label(one.className),
            label(one.teacher),
        };
        const QList<ReportCell> back = {
            label(fncPaceDateText(pace.date)),
            label(one.duplicate ? kDuplicateMark.toString() : QString()),
            label(one.file),
        };
        table.rows += front + QList<ReportCell>{label(kSchoolDaysRowName.toString())} +
                      schoolDayCells(pace) + back;
        for (HourField f : pace.shownFields)
            table.rows += front + QList<ReportCell>{label(subjectInfo(f).summaryName.toString())} +
                          rowCells(pace, f) + back;
    }
    return table;
}

} // namespace mirune
