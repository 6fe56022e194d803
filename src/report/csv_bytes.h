#pragma once

#include "report_table.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace mirune {

// A table as the CSV that Excel on a Japanese PC opens correctly: UTF-8 with a byte-order mark,
// CR LF after every line. A field holding a comma, a quote or a line break is quoted, its quotes
// doubled.
QByteArray fncCsvBytes(const QList<QStringList> &lines);

// A report table as CSV: the headings and the rows as texts, then at the right, as in the
// workbook, one column of lesson hours (units / 3) for each H.R column, so that a spreadsheet
// totals hours rather than H.R texts. A text that a spreadsheet would take for a formula (it
// starts with =, +, -, @, their full-width forms, a tab or a carriage return) is written with a
// leading apostrophe;
// figures stay as they are. The files that could not be read are not in it: a CSV is for
// machines, and the command says so on standard error.
QByteArray fncReportCsvBytes(const ReportTable &table);

// Lesson hours as a CSV writes them: up to six decimals, no trailing zeros ("32.333333", "32").
QString fncHoursText(double hours);

} // namespace mirune
