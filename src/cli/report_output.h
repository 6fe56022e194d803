#pragma once

// What the summarising commands share: the text, CSV and JSON forms of a table, and writing an
// output either to standard output or, with -o, to a whole file.

#include "cli_support.h"
#include "model/hour_totals.h"
#include "report/output_policy.h"
#include "report/report_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace mirune::cli {

// A table in a terminal: columns padded to their widest text (full-width characters two
// columns), the columns listed in `leftColumns` left-aligned, the others right-aligned.
QString alignedText(const QList<QStringList> &lines, const QList<int> &leftColumns);

QString jsonString(const QString &text);
// Unit counts keyed by the field names, in display order.
QString jsonCounts(const HourCounts &counts);

// The formats a summarising command writes: every output format but the PDF.
using ReportFormat = OutputFormat;
// The format of a report: the one --format names, or without --format the one the extension of
// -o OUT names (text for any other name and for standard output). Nothing, after a usage error
// is reported, for a format no report has and for a --format that the extension of OUT
// contradicts ("--format csv -o 月別.xlsx").
std::optional<ReportFormat> reportFormat(const QString &command, const ParsedArgs &parsed);

// Where a report goes, and what it must leave alone.
struct ReportTarget {
    QString path;       // -o OUT; empty for standard output
    bool force = false; // --force: an existing file of another kind may be replaced
    QStringList inputs; // every path named or found to read, read or not
};

// Whether the report may go to the target, by the output policy (output_policy.h); when not,
// the refusal is reported and its exit code returned, otherwise kExitOk. An existing file that
// is not the program's own earlier report of the format is replaced only with --force.
int checkReportTarget(const QString &command, ReportFormat format, const ReportTarget &target);

// Writes a form of a table, once the target is checked: to the target's path through the
// whole-file writing when one is given, otherwise to standard output (xlsx needs -o). The text
// form ends with the list of the files that could not be read.
int writeReport(const QString &command, ReportFormat format, const ReportTarget &target,
                const ReportTable &table, const QString &text, const QString &json);

} // namespace mirune::cli
