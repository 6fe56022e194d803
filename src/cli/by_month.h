#pragma once

// summary and school by month: the months of the school year and where each row stands against
// its pace, as the summary window's month view shows them.

#include "cli_support.h"
#include "model/hours_pace.h"
#include "report/school_summary.h"
#include "report_output.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace mirune::cli {

// The value options by month adds to a command's own.
QStringList monthOptionNames();

// A date written as YYYY-MM-DD, nothing more and nothing less; invalid for anything else.
QDate parseIsoDate(const QString &text);

struct MonthRequest {
    bool byMonth = false;
    QDate today; // the pace's day before it is held inside a class's school year
};

// What --by and --date ask for, or nothing after a usage error is reported: --by takes "month",
// --date a date YYYY-MM-DD and only with --by month, and --term does not go with them. Without
// --date the pace is taken on the real today.
std::optional<MonthRequest> monthRequest(const QString &command, const ParsedArgs &parsed);

// The members the months add to a class's JSON object, without braces: "date", "months" (each
// "month", "school_days" and "actual"), "due" and "behind".
QString paceJsonMembers(const MonthlyPace &pace);

// summary FILE --by month in the format asked, to standard output or -o OUT: the text under the
// table's title and the class line with the pace's day; the CSV as a school's months of this one
// class, naming the class and the day in every row.
int writeSummaryByMonth(const QString &command, ReportFormat format, const ReportTarget &target,
                        const AppState &state, const QString &file, const QDate &today);

// school --by month: the month table as the format needs it (a workbook follows it with the
// school's usual table on a sheet of its own; text and JSON need none), and its text.
ReportTable schoolMonthTable(const SchoolSummary &summary, ReportFormat format);
QString schoolMonthText(const SchoolSummary &summary);

} // namespace mirune::cli
