#pragma once

#include "data_file.h"
#include "model/app_state.h"

#include <QString>

namespace mirune {

// The backup Save As keeps of the file it is about to replace: beside that file, named after it
// with its last suffix replaced by "bak" (class3.zr2 -> class3.bak; a name without a suffix gets
// ".bak" added). Dots in folder names play no part.
QString fncBackupPath(const QString &path);

// Copies the file at `path` to its backup, replacing an older backup only once the copy is
// complete. False when there is no file to copy, the file is its own backup, or the copy failed;
// the file itself is never touched.
bool subMakeBackup(const QString &path);

// Save As: the file at `path` (if any) is copied to its backup, then the state is written to
// `path` through a temporary file that replaces it only when everything was written, so the
// previous contents exist on disk at every moment. On success strFileName is `path`; on failure
// the state is left as it was, the file name included.
SaveResult subSaveFileAs(AppState &state, const QString &path);

// Open: reads `path` into a copy of the state and takes the copy over only when the file loaded.
// Whatever goes wrong, the plan in memory is left exactly as it was. When loaded, `bytesRead`
// (if given) gets the file's bytes as read.
LoadResult subOpenFile(AppState &state, const QString &path, QByteArray *bytesRead = nullptr);

} // namespace mirune
