#pragma once

// The one rule for what an output (a report, a workbook, a PDF of the sheets) may write over:
// the command line's summary, school and print, and the windows' Excel に保存 and PDF に保存 all
// ask it. Save As is not an output: it keeps the file it replaces as a backup.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace mirune {

// What an output writes.
enum class OutputFormat { Text, Csv, Json, Xlsx, Pdf };

// A format as the command line names it ("text", "csv", ...), the file name extension that is
// its own ("txt", "csv", ..., without the dot) and what a message calls a file of it.
struct OutputFormatInfo {
    OutputFormat format;
    QStringView name;
    QStringView extension;
    QStringView kindName;
};
const OutputFormatInfo &outputFormatInfo(OutputFormat format);

// The format a file name's extension belongs to ("月別.xlsx" an xlsx workbook), in any letter
// case; none for a name without one of the formats' extensions.
std::optional<OutputFormat> fncFormatOfName(const QString &path);

// Who would be asked before a file is replaced.
enum class OutputAsker {
    Command, // a script: --force is the only answer it can give in advance
    Window,  // a person at a save dialog, asked as a save dialog asks
};

struct OutputRequest {
    QString path; // as the user named it
    OutputFormat format = OutputFormat::Text;
    // Every file the output is made from, read or not: none of them is ever written over.
    QStringList inputs = {};
    OutputAsker asker = OutputAsker::Command;
};

struct OutputVerdict {
    enum class Answer {
        Write,   // a new file, an empty one or the program's own earlier output of the format
        Confirm, // an existing file that may be replaced only when the user says so
        Refuse,  // never: see fncOutputVerdict
    };
    Answer answer = Answer::Refuse;
    // Where the output goes: the path with its links followed to their end, so that what was
    // judged is what is written. Empty when refused.
    QString path;
    // Why it is refused, what a command says is missing (--force), or the question a window
    // asks; empty for a new file.
    QString message;
};

// Whether the output may go to the path and whether the user must confirm it first. The path is
// judged where its links lead (a link that leads nowhere, at the place it names). Refused,
// forced or not: one of the inputs under any path (a link, "..", a hard link); a data file (a
// name ending in .zr2, or a file that starts as one does, such as a backup); a name whose
// extension belongs to another format; anything but a regular file; a new file in a folder that
// is not there. Written without a question on the command line: a new file, an empty one, and
// the program's own earlier output of the same format (recognised by its heading); any other
// existing file needs --force. A window asks before any existing file is replaced.
OutputVerdict fncOutputVerdict(const OutputRequest &request);

} // namespace mirune
