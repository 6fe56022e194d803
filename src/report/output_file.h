#pragma once

// What a report's output path holds already, and whether it is one of the report's inputs: what
// a report must know before it may replace a file. A report never replaces a class's data file.

#include <QString>

namespace mirune {

// An existing file as its first bytes show it.
enum class ExistingFile {
    Empty,    // nothing in it to lose
    DataFile, // a class's data file (either header), or a backup of one
    Workbook, // an xlsx workbook: a zip holding xl/workbook.xml
    Pdf,
    Csv,  // text whose first line holds a comma
    Json, // text starting with { or [
    Text, // any other text
    Other // anything else: a zip that is no workbook, an image, a program
};
ExistingFile fncExistingFileKind(const QString &path);

// Whether a name is a data file's (it ends in .zr2, in any case): a report is never written under
// one, where the next school summary would take it for a broken class file.
bool fncIsDataFileName(const QString &path);

// True when two paths lead to one file: through links (one that leads nowhere included, to the
// place it names), "..", another spelling of the path, or a hard link.
bool fncNamesSameFile(const QString &first, const QString &second);

} // namespace mirune
