#include "file_kind.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace mirune {

namespace {

bool statOf(const QString &path, struct stat &buffer) {
    if (path.isEmpty())
        return false;
    return ::stat(QFile::encodeName(path).constData(), &buffer) == 0;
}

} // namespace

FileKind fileKind(const QString &path) {
    struct stat buffer {};
    if (!statOf(path, buffer))
        return FileKind::Missing;
    if (S_ISREG(buffer.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(buffer.st_mode))
        return FileKind::Directory;
    if (S_ISFIFO(buffer.st_mode))
        return FileKind::Fifo;
    if (S_ISCHR(buffer.st_mode))
        return FileKind::CharacterDevice;
    if (S_ISBLK(buffer.st_mode))
        return FileKind::BlockDevice;
    if (S_ISSOCK(buffer.st_mode))
        return FileKind::Socket;
    return FileKind::Other;
}

bool isSameFile(const QString &first, const QString &second) {
    const QString firstCanonical = QFileInfo(first).canonicalFilePath();
    if (firstCanonical.isEmpty())
        return false; // the first does not exist
    if (firstCanonical == QFileInfo(second).canonicalFilePath())
        return true;
    // Hard links have paths of their own; only the device and file number tell them apart.
    const QString identity = fileIdentity(first);
    return !identity.isEmpty() && identity == fileIdentity(second);
}

QString fileIdentity(const QString &path) {
    struct stat buffer {};
    if (!statOf(path, buffer))
        return QString();
    return QString::number(quint64(buffer.st_dev)) + u':' + QString::number(quint64(buffer.st_ino));
}

} // namespace mirune
