#pragma once

#include "model/app_state.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace mirune::cli {

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1; // a file cannot be read or written
inline constexpr int kExitUsage = 2;     // the command line is wrong

QTextStream &out(); // standard output, UTF-8
QTextStream &err(); // standard error, UTF-8: every message goes here

// Reports a usage error for a command (with a pointer to --help) and returns kExitUsage.
int usageError(const QString &command, const QString &message);

// Starts a fresh state and loads the data file at `path` into it. On failure the reader's
// message (with the line number) is reported on stderr and nullopt returned.
bool loadState(const QString &path, AppState &state);

// Simple option parsing: `--name value` or `--name=value`; flags without value. Positional
// arguments are kept in order. Unknown options are a usage error.
struct ParsedArgs {
    QStringList positional;
    QHash<QString, QString> values; // option name (without dashes) to value
    QSet<QString> flags;            // options given without value
    QString error;                  // non-empty on a usage error
};
ParsedArgs parseArgs(const QStringList &args, const QStringList &valueOptions,
                     const QStringList &flagOptions);

} // namespace mirune::cli
