#pragma once

#include "model/app_state.h"
#include "storage/data_file_lock.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace mirune::cli {

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1; // a file cannot be read or written
inline constexpr int kExitUsage = 2;     // the command line is wrong

// Standard output and standard error, UTF-8. What a command writes is held until
// finishOutput(), which writes it out and checks that all of it got there.
QTextStream &out();
QTextStream &err(); // every message goes here
// Appends bytes to standard output as they are (a byte-order mark, CR LF line ends), after what
// out() holds so far.
void writeOut(const QByteArray &bytes);

// Writes what out() and err() hold to standard output and standard error. When standard output
// could not be written completely, one line on standard error says so, and a command that had
// succeeded exits with kExitFileError; so does one whose messages could not be written.
int finishOutput(const QString &command, int exitCode);

// Qt's own warnings are notes for developers, not messages of the command: only critical and
// fatal ones reach standard error.
void installMessageHandler();

// Reports a usage error for a command (with a pointer to --help) and returns kExitUsage.
int usageError(const QString &command, const QString &message);

// Reports a failure of a command, "mirune-cli COMMAND: MESSAGE", and returns kExitFileError.
int fileError(const QString &command, const QString &message);

// Takes the lock of a data file the command is about to write, before the file is read: another
// command's lock is waited for a few seconds; a file the desktop program has open is refused
// with its message (kExitFileError returned through `exitCode`). A folder where no lock can be
// made is written as before. True when the command may go on.
bool lockForWriting(const QString &command, const QString &path, DataFileLock &lock, int &exitCode);

// Starts a fresh state and loads the data file at `path` into it. On failure the reader's
// message (with the line number) is reported on stderr and false returned.
bool loadState(const QString &command, const QString &path, AppState &state);

// `--name value` or `--name=value` for the value options (`-x value` for a one-letter one), bare
// `--name` for the flags; everything else is positional. An unknown option or a missing value is a
// usage error.
struct ParsedArgs {
    QStringList positional;
    QHash<QString, QString> values; // option name without dashes -> value
    QSet<QString> flags;            // flag names without dashes
    QString error;                  // non-empty on a usage error

    bool has(const QString &name) const { return values.contains(name) || flags.contains(name); }
    QString value(const QString &name, const QString &fallback = QString()) const {
        return values.value(name, fallback);
    }
};
ParsedArgs parseArgs(const QStringList &args, const QStringList &valueOptions,
                     const QStringList &flagOptions);

// True when the arguments ask for the command's help.
bool wantsHelp(const QStringList &args);

} // namespace mirune::cli
