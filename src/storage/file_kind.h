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

// What tells an existing file from every other whatever path, link, hard link or letter case
// names it: its device and file number (on Windows, its volume and file index). Empty when
// nothing is there to ask.
QString fileIdentity(const QString &path);

} // namespace mirune
