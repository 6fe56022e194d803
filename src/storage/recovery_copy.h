#pragma once

// The recovery copy: the whole plan, written after every change the save question protects, so
// that a crash or a power cut loses nothing. It lives in the user's data folder, in the data
// file's own format, named after the data file; a normal save or exit removes it.

#include "data_file.h"
#include "model/app_state.h"

#include <QString>
#include <QStringList>

namespace mirune {

// Where the recovery copy of the plan kept in `dataFileName` goes: in the application's local
// data folder, the file's base name, a short hash of its absolute path (two classes' files of the
// same name never share a copy) and ".zr2"; "新しい計画.zr2" for a plan without a file. A file
// opened read-only while another program has it keeps its copy apart ("-読み取り専用"), so that
// neither program's copy overwrites the other's.
QString fncRecoveryCopyPath(const QString &dataFileName, bool readOnly = false);

// The copies of plans without a file ("新しい計画.zr2", "新しい計画-2.zr2", ...), newest first.
// Each run that begins a plan without a file writes a name no other copy has, so that a copy
// left by an earlier run waits for its offer whatever this run does.
QStringList fncNewPlanCopyPaths();
// The first of those names that is not taken.
QString fncUnusedNewPlanCopyPath();

// Writes the whole state to the recovery copy of state.strFileName, through the same whole-file
// writer as a save: the previous copy stays until the new one is complete. NothingToSave when no
// school year is set.
SaveResult subWriteRecoveryCopy(const AppState &state);
// Writes a copy's bytes to `copyPath`, making the folder when missing; a folder or copy that
// cannot be written fails with the reason.
SaveResult subWriteRecoveryBytes(const QString &copyPath, const QByteArray &bytes);

// Removes the recovery copy of `dataFileName`, if there is one.
void subRemoveRecoveryCopy(const QString &dataFileName);

// What waits in a recovery copy. Decided by content, not by the clock: a copy that holds exactly
// what the data file holds has nothing to offer; any other copy is offered, also when the file
// was written since (by a command, a colleague's copy, a folder synced back).
struct RecoveryCopyCheck {
    bool waiting = false;          // there is a copy that differs from the file (or no file)
    bool fileChangedSince = false; // the data file was written after the copy
    bool sameAsFile = false;       // there is a copy and it holds the file's very bytes
};
// With `planBytes`, the copy is set against them (the plan as loaded from the file) instead of
// the file's bytes on disk.
RecoveryCopyCheck fncCheckRecoveryCopyAt(const QString &copyPath, const QString &dataFileName,
                                         const QByteArray &planBytes = {});
RecoveryCopyCheck fncCheckRecoveryCopy(const QString &dataFileName);
// fncCheckRecoveryCopy(dataFileName).waiting.
bool fncHasPendingRecoveryCopy(const QString &dataFileName);

// Keeps a recovery copy the teacher turned down but did not want deleted: moves it beside the
// data file as "<name>-前回の内容-<date and time>.zr2", where the open dialog finds it and this
// run's own copies never overwrite it (or among the copies, for a plan without a file or when
// the file's folder cannot take it). Returns where it went, or empty text when it could not be
// moved and is still in its place.
QString subKeepRecoveryCopyAsideAt(const QString &copyPath, const QString &dataFileName);
QString subKeepRecoveryCopyAside(const QString &dataFileName);

struct RecoveryLoadResult {
    LoadResult load;   // ok(): the state holds the copy
    QString keptAside; // when the copy could not be read: where it was moved to (empty if the
                       // move failed too, and the copy is still in its place)
    bool ok() const { return load.ok(); }
};

// Reads the recovery copy at `copyPath` into the state through the normal reader. On success
// the state holds the copy with strFileName set to `dataFileName` (the plan is unsaved);
// otherwise the state is left as it was and the copy is moved aside, renamed and never deleted,
// so that it is not offered again.
RecoveryLoadResult subLoadRecoveryCopyAt(const QString &copyPath, const QString &dataFileName,
                                         AppState &state);
RecoveryLoadResult subLoadRecoveryCopy(const QString &dataFileName, AppState &state);

} // namespace mirune
