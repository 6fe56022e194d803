#pragma once

#include "model/hours_pace.h"
#include "report_table.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mirune {

// One class file's plan and actual hours for the year or the term asked.
struct SchoolClass {
    QString file;
    int year = 0;
    int grade = 0;
    QString className;
    QString teacher;
    HourCounts plan;
    HourCounts actual;
    QList<HourField> shownFields;    // the rows its own summary window shows, in display order
    bool duplicate = false;          // another file holds the same year, grade and class
    std::optional<MonthlyPace> pace; // the months and the pace, when they were asked for
};

// A file that was named or found but could not be read, with the reader's reason.
struct SchoolFailure {
    QString file;
    QString error;
};

struct SchoolSummary {
    int term = 0;               // 0 the year, 1..3 a term
    QList<SchoolClass> classes; // sorted by year, grade and class, then file
    QList<SchoolFailure> failed;
};

// What a list of paths names. A folder stands for every entry directly in it whose name ends in
// .zr2 (in name order), whatever it is: a link that leads nowhere, a loop of links, a pipe or a
// socket is taken, and fails to be read with the reason it gets when named on its own (a folder
// so named, as no regular file). Anything else stands for itself. A file named twice (directly,
// through a folder, through another path or a link) is taken once. Two hard links of one file
// are two names to this: each is taken.
struct SchoolFiles {
    QStringList files;
    // Every path named or found, the folders and the files taken once included: a report may
    // replace none of them, read or not.
    QStringList inputs;
    // Folders that could not be listed, with the reason, and folders without a .zr2 entry.
    QList<SchoolFailure> failed;
};
SchoolFiles fncSchoolFiles(const QStringList &paths);

// One class as a school's table holds it: the plan and actual hours of the year (term 0) or
// a term, and with `paceDay` its months and pace on that day.
SchoolClass fncSchoolClass(AppState &state, const QString &file, int term,
                           const std::optional<QDate> &paceDay);

// Reads every file with the data file reader, one after another in this process, and keeps the
// plan and the actual totals (recomputed from the day chain) of each; with `paceDay`, also each
// class's months and its pace on that day (held inside the class's school year).
SchoolSummary fncSchoolSummary(const SchoolFiles &files, int term,
                               const std::optional<QDate> &paceDay = std::nullopt);
SchoolSummary fncSchoolSummary(const QStringList &paths, int term,
                               const std::optional<QDate> &paceDay = std::nullopt);

// One row per class and subject row: year, grade, class, teacher, subject, plan, actual,
// difference, 実施率, the duplicate mark and the file; the files that could not be read listed
// under it.
ReportTable fncSchoolReport(const SchoolSummary &summary);

} // namespace mirune
