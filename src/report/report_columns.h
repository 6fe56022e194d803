#pragma once

// The names the report tables share, each written once: their titles, the columns that name a
// class in a school's tables, the duplicate mark, which columns read from the left in a
// terminal, and how a heading row of one of them is known again.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace mirune::report_columns {

// The tables' titles: a class's summary (then its term), a school's (then 年間 or its term), a
// class's months, a school's months.
inline constexpr QStringView kSummaryTitle = u"時数集計表";
inline constexpr QStringView kSchoolTitle = u"学校の時数集計";
inline constexpr QStringView kMonthTitle = u"月別時数表";
inline constexpr QStringView kSchoolMonthTitle = u"学校の月別時数";
// "時数集計表　2学期", "学校の時数集計　年間", "学校の時数集計　2学期".
QString summaryTitle(int term);
QString schoolTitle(int term); // 0 the year
// Whether a line starts with one of the titles.
bool startsWithTitle(QStringView line);

// The columns in front of every row of a school's tables and of a class's months: the class, then
// the row.
inline constexpr QStringView kYearHeading = u"年度";
inline constexpr QStringView kGradeHeading = u"学年";
inline constexpr QStringView kClassHeading = u"組";
inline constexpr QStringView kTeacherHeading = u"担任";
inline constexpr QStringView kRowHeading = u"教科";
QStringList classHeadings(); // 年度, 学年, 組, 担任, 教科
// The columns behind a school's figures: the day a pace is taken on (months only), the mark of
// a class that more than one file holds, and the file.
inline constexpr QStringView kPaceDateHeading = u"基準日";
inline constexpr QStringView kDuplicateHeading = u"重複";
inline constexpr QStringView kDuplicateMark = u"重複";
inline constexpr QStringView kFileHeading = u"ファイル";
// The heading of a column of lesson hours for totalling beside an H.R column: "計画（時間）".
QString hoursHeading(const QString &heading);

// The columns a terminal shows from the left: names, marks, dates and files; the figures line up
// on the right.
QList<int> leftAlignedColumns(const QStringList &headings);

// Whether the fields of a line are the heading row of one of the report tables, as a CSV or a
// text of one starts: judged by its first five headings, so that a table that gained columns at
// its end is still known, and so is a class's month table as it began before it named the class.
bool isHeadingRow(const QStringList &fields);

} // namespace mirune::report_columns
