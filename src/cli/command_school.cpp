#include "by_month.h"
#include "cli_support.h"
#include "commands.h"
#include "report/report_columns.h"
#include "report/school_summary.h"
#include "report_output.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

QString schoolJson(const SchoolSummary &summary) {
    // Appended in place rather than listed, joined and added up: by month, a school's classes
    // run to megabytes, and every copy of them costs as much as reading another hundred files.
    QString json = u"{\"classes\":["_s;
    for (const SchoolClass &one : summary.classes) {
        if (&one != &summary.classes.first())
            json += u',';
        json += u"{\"file\":%1,\"year\":%2,\"grade\":%3,\"class\":%4,\"teacher\":%5,"
                "\"duplicate\":%6,\"plan\":%7,\"actual\":%8"_s.arg(
                    jsonString(one.file), QString::number(one.year), QString::number(one.grade),
                    jsonString(one.className), jsonString(one.teacher),
                    one.duplicate ? u"true"_s : u"false"_s, jsonCounts(one.plan),
                    jsonCounts(one.actual));
        // By month: the class's months and pace.
        if (one.pace) {
            json += u',';
            json += paceJsonMembers(*one.pace);
        }
        json += u'}';
    }
    json += u"],\"failed\":["_s;
    QStringList failed;
    for (const SchoolFailure &failure : summary.failed)
        failed += u"{\"file\":%1,\"error\":%2}"_s.arg(jsonString(failure.file),
                                                      jsonString(failure.error));
    json += failed.join(u',');
    json += u"]}\n"_s;
    return json;
}

} // namespace

int runSchool(const QStringList &args) {
    const QString command = u"school"_s;
    const ParsedArgs parsed = parseArgs(
        args, QStringList{u"term"_s, u"format"_s, u"o"_s} + monthOptionNames(), {u"force"_s});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.isEmpty())
        return usageError(command,
                          u"データファイルかフォルダ（PATH）を一つ以上指定してください。"_s);
    int term = 0;
    if (parsed.has(u"term"_s)) {
        const QString termText = parsed.value(u"term"_s);
        if (termText != u"1"_s && termText != u"2"_s && termText != u"3"_s)
            return usageError(command, u"--term には 1、2、3 のどれかを指定してください。"_s);
        term = termText.toInt();
    }
    const auto format = reportFormat(command, parsed);
    if (!format)
        return kExitUsage;
    const auto months = monthRequest(command, parsed);
    if (!months)
        return kExitUsage;

    // Every path named or found is an input, read or not: none of them may become the output.
    const SchoolFiles files = fncSchoolFiles(parsed.positional);
    const ReportTarget target{parsed.value(u"o"_s), parsed.flags.contains(u"force"_s),
                              files.inputs};
    if (const int checked = checkReportTarget(command, *format, target); checked != kExitOk)
        return checked;

    const SchoolSummary summary = fncSchoolSummary(
        files, term, months->byMonth ? std::optional(months->today) : std::nullopt);
    for (const SchoolFailure &failure : summary.failed)
        err() << u"mirune-cli %1: %2: %3\n"_s.arg(command, failure.file, failure.error);
    // A report of no class would only replace the last good one.
    if (summary.classes.isEmpty() && !target.path.isEmpty())
        return fileError(command,
                         u"読み込めたデータファイルがないため、%1 には書き出しませんでした。"_s.arg(
                             target.path));

    ReportTable table =
        months->byMonth ? schoolMonthTable(summary, *format) : fncSchoolReport(summary);
    // What a person reads lists the files left out, by month as well.
    if (months->byMonth)
        for (const SchoolFailure &failure : summary.failed)
            table.unread += {failure.file, failure.error};
    // The class columns, the subject, the mark and the file read from the left; the figures line
    // up on the right.
    QString text;
    if (*format == ReportFormat::Text)
        text = months->byMonth ? schoolMonthText(summary)
                               : alignedText(fncReportLines(table),
                                             report_columns::leftAlignedColumns(table.headings));
    const QString json = *format == ReportFormat::Json ? schoolJson(summary) : QString();
    const int written = writeReport(command, *format, target, table, text, json);
    if (written != kExitOk)
        return written;
    return summary.failed.isEmpty() ? kExitOk : kExitFileError;
}

} // namespace mirune::cli
