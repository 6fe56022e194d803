#include "by_month.h"
#include "cli_support.h"
#include "commands.h"
#include "model/hours_summary.h"
#include "report/report_columns.h"
#include "report_output.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

QString summaryJson(const AppState &state, const HoursSummary &summary) {
    QStringList terms;
    for (int t = 0; t < 3; ++t)
        terms += u"{\"plan\":"_s + jsonCounts(summary.termPlans[t]) + u",\"actual\":"_s +
                 jsonCounts(summary.termActuals[t]) + u'}';
    QString json;
    QTextStream(&json) << u"{\"year\":"_s << state.intYear << u",\"grade\":"_s << state.intGrade
                       << u",\"class\":"_s << jsonString(state.strClass) << u",\"teacher\":"_s
                       << jsonString(state.strTeacher) << u",\"terms\":["_s << terms.join(u',')
                       << u"]"_s << u",\"base\":"_s << jsonCounts(state.objYearPlan->hours)
                       << u",\"plan\":"_s << jsonCounts(summary.yearPlan) << u",\"actual\":"_s
                       << jsonCounts(summary.yearActual) << u"}\n"_s;
    return json;
}

} // namespace

int runSummary(const QStringList &args) {
    const QString command = u"summary"_s;
    const ParsedArgs parsed = parseArgs(
        args, QStringList{u"term"_s, u"format"_s, u"o"_s} + monthOptionNames(), {u"force"_s});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"データファイル（FILE）を一つ指定してください。"_s);
    const auto months = monthRequest(command, parsed);
    if (!months)
        return kExitUsage;
    const QString termText = parsed.value(u"term"_s, u"1"_s);
    if (termText != u"1"_s && termText != u"2"_s && termText != u"3"_s)
        return usageError(command, u"--term には 1、2、3 のどれかを指定してください。"_s);
    const auto format = reportFormat(command, parsed);
    if (!format)
        return kExitUsage;

    const QString file = parsed.positional.first();
    const ReportTarget target{parsed.value(u"o"_s), parsed.flags.contains(u"force"_s), {file}};
    if (const int checked = checkReportTarget(command, *format, target); checked != kExitOk)
        return checked;

    AppState state;
    if (!loadState(command, file, state))
        return kExitFileError;
    if (months->byMonth)
        return writeSummaryByMonth(command, *format, target, state, file, months->today);

    const HoursSummary summary = fncHoursSummary(state, termText.toInt());
    const ReportTable table = fncSummaryReport(state, summary);
    const QString text =
        *format == ReportFormat::Text
            ? alignedText(fncReportLines(table), report_columns::leftAlignedColumns(table.headings))
            : QString();
    const QString json = *format == ReportFormat::Json ? summaryJson(state, summary) : QString();
    return writeReport(command, *format, target, table, text, json);
}

} // namespace mirune::cli
