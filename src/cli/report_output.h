#pragma once

// What the summarising commands share: the text, CSV and JSON forms of a table, and writing an
// output either to standard output or, with -o, to a whole file.

#include "model/hour_totals.h"
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

// The formats a summarising command writes.
enum class ReportFormat { Text, Csv, Json, Xlsx };
// The format named by --format, or nothing (after a usage error is reported) for another.
std::optional<ReportFormat> reportFormat(const QString &command, const QString &name);

// Where a report goes, and what it must leave alone.
struct ReportTarget {
    QString path;       // -o OUT; empty for standard output
    bool force = false; // --force: an existing file of another kind may be replaced
    QStringList inputs; // every path named or found to read, read or not
};

// Whether the report may go to the target; when not, the refusal is reported and its exit code
// returned, otherwise kExitOk. A report never replaces one of its inputs (under any path or
// link), nor a data file or a name ending in .zr2, nor anything that is not a regular file;
// an existing file that is not of the format's own kind (a workbook for csv, a CSV for xlsx)
// only with --force.
int checkReportTarget(const QString &command, ReportFormat format, const ReportTarget &target);

// Writes a form of a table, once the target is checked: to the target's path through the
// whole-file writing when one is given, otherwise to standard output (xlsx needs -o). The text
// form ends with the list of the files that could not be read.
int writeReport(const QString &command, ReportFormat format, const ReportTarget &target,
                const ReportTable &table, const QString &text, const QString &json);

} // namespace mirune::cli
