#pragma once

#include "model/hours_summary.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace mirune {

// One cell of a table for a spreadsheet: the text as the window shows it, and where a
// spreadsheet needs a number to total, that number.
struct ReportCell {
    enum class Kind {
        Label,   // a name: text only
        Figure,  // an H.R figure: the text, and the lesson hours (units / 3) as a number
        Rate,    // 実施率: the text, and the fraction (0.975) as a number; none shows "—"
        Integer, // a year or a grade
    };
    enum class Shade { None, Term, Year, Heading }; // Heading: a row name, shaded as the headings
    Kind kind = Kind::Label;
    QString text;
    std::optional<double> number;
    int sign = 0; // a difference's sign, -1 red, +1 blue, 0 black; 0 for every other cell
    Shade shade = Shade::None;
};

// A file that a table was to take in but could not read, and why.
struct UnreadFile {
    QString file;
    QString reason;
};

// A titled table: what both the CSV and the workbook are written from.
struct ReportTable {
    QString title;     // the first line: what the table is
    QString classLine; // the second line: the class it is of (empty for a school)
    QStringList headings;
    QList<QList<ReportCell>> rows;
    // Headings of the number columns a workbook adds to the right for totalling, one per Figure
    // column in the order they appear.
    QStringList numberHeadings;
    // A class's summary prints on one page; a school's, as long as it is, one page wide.
    bool onePage = true;
    // Files left out because they could not be read. What a person reads lists them under the
    // table, so that a report missing a class says so; a CSV keeps its rows for machines.
    QList<UnreadFile> unread;
    // The workbook's name of the table's sheet; empty for the summary's own name.
    QString sheetName;
    // Tables a workbook carries on further sheets after this one; a CSV or a text has room for
    // one table only and leaves them out.
    std::vector<ReportTable> followingSheets;
};

// The hours summary of one class for its chosen term, with the headings of the window.
ReportTable fncSummaryReport(const AppState &state, const HoursSummary &summary);

// The table as lines of texts (headings first), as the CSV and the text output write it.
QList<QStringList> fncReportLines(const ReportTable &table);

// An H.R figure, a rate and a difference as report cells.
ReportCell figureCell(int units, ReportCell::Shade shade, bool difference = false);
ReportCell rateCell(std::optional<double> rate, ReportCell::Shade shade);

} // namespace mirune
