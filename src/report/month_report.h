#pragma once

#include "model/hours_pace.h"
#include "report_table.h"
#include "school_summary.h"

#include <QString>

namespace mirune {

// The month table of one class, as the summary window's month view shows it: a row of the
// months' school days, then every shown row with its actual hours month by month, the year's
// actual hours and plan, the plan due by the pace's day, the difference from it, and "遅れ"
// where the row is behind.
ReportTable fncMonthReport(const AppState &state, const MonthlyPace &pace);

// The same for a school: per class (year, grade, class, teacher) its school-day row and its
// rows, each with the pace's day, the duplicate mark and the file. The classes without months
// are left out.
ReportTable fncSchoolMonthReport(const SchoolSummary &summary);

// The school's month table as lines of texts, headings first: what fncReportLines gives of
// fncSchoolMonthReport, made without the cells, which a thousand classes would fill memory with
// only to be read once.
QList<QStringList> fncSchoolMonthLines(const SchoolSummary &summary);

// The day a pace is taken on as a table shows it: "2026-12-11".
QString fncPaceDateText(const QDate &date);

} // namespace mirune
