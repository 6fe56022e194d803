#pragma once

#include "report_table.h"
#include "storage/whole_file_write.h"

namespace mirune {

// Writes the table as an xlsx workbook, one sheet for it and one for each table that follows it
// (ReportTable::followingSheets), each sheet laid out alike: the title and the class line at the
// top, the headings, one row per table row with the texts as the window shows them (differences in
// red and blue, term and year figures shaded), 実施率 as per-cent numbers, and at the right the
// lesson hours as numbers for totalling, and under it, in red, the files that could not be read.
// Columns fit their texts; the sheet prints on one A4 page. The workbook is made in a temporary
// folder and then written through the whole-file writing, so `path` is replaced only by a
// complete workbook: a sheet the library could not make, or a cell it refused, fails the whole.
FileWriteResult writeWorkbook(const QString &path, const ReportTable &table);

// The workbook's bytes (for the window and the tests that read it back); empty with `error` set
// when the library failed.
QByteArray fncWorkbookBytes(const ReportTable &table, QString *error);

} // namespace mirune
