#pragma once

#include "model/app_state.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace mirune {

// What reading a data file came to. Errors are values: the caller turns them into a message.
struct LoadResult {
    enum class Status {
        Loaded,       // the state holds the file
        NotADataFile, // line 1 is not the header: nothing but boolDaySelected was changed
        Failed,       // passed the header check, then failed: week and year data reset
        CannotOpen,   // the file could not be opened: nothing but boolDaySelected was changed
    };
    Status status = Status::Loaded;
    int line = 0;    // 1-based line number where reading failed (Failed only)
    QString message; // the text to show the user; empty when loaded

    bool ok() const { return status == Status::Loaded; }
};

struct SaveResult {
    enum class Status {
        Saved,
        NothingToSave, // no file name or no school year: nothing written
        Failed,        // the previous file is left as it was
    };
    Status status = Status::Saved;
    int errorNumber = 0; // the system's error number when writing failed
    QString message;     // the text to show the user; empty when saved

    bool ok() const { return status == Status::Saved; }
};

// Reads a data file's bytes into the state (the reader proper; takes any device so that tests
// and the fuzzer can feed a buffer). On Failed the week and year data are reset. When loaded,
// `bytesRead` (if given) gets the file's bytes as read.
LoadResult readDataFile(QIODevice &device, AppState &state, QByteArray *bytesRead = nullptr);

// Reads the file named by strFileName. Whatever goes wrong, strFileName is emptied, so a
// non-empty strFileName afterwards means the file was loaded.
LoadResult subLoadFile(AppState &state, QByteArray *bytesRead = nullptr);

// The whole state as the data file's bytes (CP932, CR LF). Fails, with a message, on a text that
// the file cannot carry (a line break inside a value, a character outside the code page).
struct EncodeResult {
    QByteArray bytes;
    QString error; // empty on success
    int line = 0;  // the line that cannot be written
};
EncodeResult encodeDataFile(const AppState &state);

// Writes the state to the file named by strFileName, through a temporary file that replaces it
// only when everything was written. The state is never changed.
SaveResult subSaveFile(const AppState &state);

} // namespace mirune
