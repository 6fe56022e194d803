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

// Writes a form of a table: to `outPath` through the whole-file writing when one is given,
// otherwise to standard output (xlsx needs -o). Refuses to write over any of `inputs`.
int writeReport(const QString &command, ReportFormat format, const QString &outPath,
                const QStringList &inputs, const ReportTable &table, const QString &text,
                const QString &json);

} // namespace mirune::cli
