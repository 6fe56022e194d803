#pragma once

// The recovery copy: the whole plan, written after every change the save question protects, so
// that a crash or a power cut loses nothing. It lives in the user's data folder, in the data
// file's own format, named after the data file; a normal save or exit removes it.

#include "data_file.h"
#include "model/app_state.h"

#include <QString>

namespace mirune {

// Where the recovery copy of the plan kept in `dataFileName` goes: in the application's local
// data folder, the file's base name, a short hash of its absolute path (two classes' files of the
// same name never share a copy) and ".zr2"; "新しい計画.zr2" for a plan without a file.
QString fncRecoveryCopyPath(const QString &dataFileName);

// Writes the whole state to the recovery copy of state.strFileName, through the same whole-file
// writer as a save: the previous copy stays until the new one is complete. NothingToSave when no
// school year is set.
SaveResult subWriteRecoveryCopy(const AppState &state);

// Removes the recovery copy of `dataFileName`, if there is one.
void subRemoveRecoveryCopy(const QString &dataFileName);

// True when a recovery copy is waiting to be offered: it exists and is newer than the data file,
// or the plan has no file, or the file is gone.
bool fncHasPendingRecoveryCopy(const QString &dataFileName);

// Keeps a recovery copy the teacher turned down but did not want deleted: moves it beside the
// data file as "<name>-前回の内容-<date and time>.zr2", where the open dialog finds it and this
// run's own copies never overwrite it (or among the copies, for a plan without a file or when
// the file's folder cannot take it). Returns where it went, or empty text when it could not be
// moved and is still in its place.
QString subKeepRecoveryCopyAside(const QString &dataFileName);

struct RecoveryLoadResult {
    LoadResult load;   // ok(): the state holds the copy
    QString keptAside; // when the copy could not be read: where it was moved to (empty if the
                       // move failed too, and the copy is still in its place)
    bool ok() const { return load.ok(); }
};

// Reads the recovery copy of `dataFileName` into the state through the normal reader. On
// success the state holds the copy with strFileName set to `dataFileName` (the plan is unsaved);
// otherwise the state is left as it was and the copy is moved aside, renamed and never deleted,
// so that it is not offered again.
RecoveryLoadResult subLoadRecoveryCopy(const QString &dataFileName, AppState &state);

} // namespace mirune
