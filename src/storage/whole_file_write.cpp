#include "whole_file_write.h"

#include "file_kind.h"
#include "file_messages.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace mirune {

namespace {

FileWriteResult failure(const QString &path, bool previousFile, int errorNumber,
                        const QString &description) {
    FileWriteResult result;
    result.status = FileWriteResult::Status::Failed;
    result.errorNumber = errorNumber;
    result.message = file_messages::saveFailed(path, errorNumber, description, previousFile);
    return result;
}

FileWriteResult systemFailure(const QString &path, bool previousFile, int errorNumber) {
    return failure(path, previousFile, errorNumber,
                   QString::fromLocal8Bit(std::strerror(errorNumber)));
}

FileWriteResult deviceFailure(const QString &path, bool previousFile, const QSaveFile &file,
                              int savedErrno) {
    // The system's own number and description where it left one. Without it, EIO stands for
    // the failure, with Qt's description of it.
    if (savedErrno != 0)
        return systemFailure(path, previousFile, savedErrno);
    return failure(path, previousFile, EIO, file.errorString());
}

} // namespace

FileWriteResult writeWholeFile(const QString &path, const QByteArray &bytes) {
    if (path.isEmpty())
        return systemFailure(path, false, ENOENT);

    // The file is replaced through a temporary file in the same folder. That would also replace
    // a read-only file, and put a regular file in place of a pipe or a device: refuse those as
    // writing in place would, and say what the path is.
    const FileKind kind = fileKind(path);
    const bool previousFile = kind == FileKind::Regular;
    if (kind == FileKind::Directory)
        return systemFailure(path, false, EISDIR);
    if (kind != FileKind::Missing && kind != FileKind::Regular) {
        FileWriteResult result;
        result.status = FileWriteResult::Status::NotARegularFile;
        result.message = file_messages::saveTargetNotRegular(path, file_messages::kindName(kind));
        return result;
    }
    // A file nobody may write to is read-only by its own word, even for a process that could
    // write it anyway (root): its permission bits are asked as well.
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo info(path);
    if (previousFile && (!info.isWritable() || !(info.permissions() & anyWrite)))
        return systemFailure(path, true, EACCES);

    QSaveFile file(path);
    errno = 0;
    // Unbuffered: a write that stops part way (a full disk) must show in the count write()
    // returns. Through the buffer it would surface only in commit(), which takes a short write
    // for success and puts the cut-off file in place of the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return deviceFailure(path, previousFile, file, errno);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int savedErrno = errno;
        FileWriteResult result = deviceFailure(path, previousFile, file, savedErrno);
        file.cancelWriting();
        return result;
    }
    errno = 0;
    if (!file.commit())
        return deviceFailure(path, previousFile, file, errno);
    return {};
}

} // namespace mirune
