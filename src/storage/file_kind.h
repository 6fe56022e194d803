#pragma once

// What a path names on disk, beyond what QFileInfo tells: the kind of a file that is not a
// regular one, and whether two paths name the same file. The only place that asks the
// operating system directly.

#include <QString>

namespace mirune {

enum class FileKind {
    Missing, // nothing there (or a link that leads nowhere)
    Regular,
    Directory,
    Fifo,
    CharacterDevice,
    BlockDevice,
    Socket,
    Other,
};

// The kind of what `path` names, links followed.
FileKind fileKind(const QString &path);

// True when both paths name one existing file: the same path, another path or a link to it, or
// a hard link (same device and file number).
bool isSameFile(const QString &first, const QString &second);

} // namespace mirune
