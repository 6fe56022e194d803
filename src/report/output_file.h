#pragma once

// What an output's path holds already: the kind of an existing file by its first bytes, whether
// it is this program's own earlier output, where a path's links lead, and whether two paths
// name one file. What the output policy (output_policy.h) judges by.

#include "output_policy.h"

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

// Whether an existing file is this program's own earlier output of `format`, recognised by its
// heading: a text or CSV report by its heading row (or its title line), a JSON report by its
// first members, a workbook by the title in its first cell, a PDF by the program named as its
// creator.
bool fncIsOwnOutput(const QString &path, OutputFormat format);

// Whether a name is a data file's (it ends in .zr2, in any case): an output is never written
// under one, where the next school summary would take it for a broken class file.
bool fncIsDataFileName(const QString &path);

// Where a path leads: links followed to their end and ".." resolved, also where the end is not
// there (a link to a share that is not mounted leads to the path it names).
QString fncResolvedPath(const QString &path);

// True when two paths lead to one file: through links (one that leads nowhere included, to the
// place it names), "..", another spelling of the path, or a hard link.
bool fncNamesSameFile(const QString &first, const QString &second);

} // namespace mirune
