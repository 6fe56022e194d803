#include "file_kind.h"

#include <QDir>
#include <QFileInfo>
#include <qt_windows.h>

namespace mirune {

namespace {

// A handle for asking about a file, links followed; no read or write access is asked for, so
// a file open elsewhere is still reached. Folders need the backup flag to be opened at all.
class QueryHandle {
  public:
    explicit QueryHandle(const QString &path) {
        if (path.isEmpty())
            return;
        const QString native = QDir::toNativeSeparators(path);
        m_handle = CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), 0,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    }
    ~QueryHandle() {
        if (valid())
            CloseHandle(m_handle);
    }
    QueryHandle(const QueryHandle &) = delete;
    QueryHandle &operator=(const QueryHandle &) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }

  private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

bool informationOf(const QString &path, BY_HANDLE_FILE_INFORMATION &information) {
    const QueryHandle handle(path);
    return handle.valid() && GetFileInformationByHandle(handle.get(), &information);
}

} // namespace

FileKind fileKind(const QString &path) {
    if (path.isEmpty())
        return FileKind::Missing;
    const QueryHandle handle(path);
    if (!handle.valid()) {
        // Not to be opened even for a question (a file locked against everything, say): the
        // attributes still tell a folder from a file.
        const QString native = QDir::toNativeSeparators(path);
        const DWORD attributes =
            GetFileAttributesW(reinterpret_cast<const wchar_t *>(native.utf16()));
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return FileKind::Missing;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Directory : FileKind::Regular;
    }
    switch (GetFileType(handle.get())) {
    case FILE_TYPE_DISK: {
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(handle.get(), &information))
            return FileKind::Other;
        return (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Directory
                                                                         : FileKind::Regular;
    }
    case FILE_TYPE_CHAR: // NUL, CON, COM1, …
        return FileKind::CharacterDevice;
    case FILE_TYPE_PIPE: // a named pipe, \\.\pipe\…
        return FileKind::Fifo;
    default:
        return FileKind::Other;
    }
}

bool isSameFile(const QString &first, const QString &second) {
    const QString firstCanonical = QFileInfo(first).canonicalFilePath();
    if (firstCanonical.isEmpty())
        return false; // the first does not exist
    if (firstCanonical.compare(QFileInfo(second).canonicalFilePath(), Qt::CaseInsensitive) == 0)
        return true;
    // Hard links have paths of their own; only the volume and the file index tell them apart.
    const QString identity = fileIdentity(first);
    return !identity.isEmpty() && identity == fileIdentity(second);
}

QString fileIdentity(const QString &path) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!informationOf(path, information))
        return QString();
    const quint64 index = (quint64(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return QString::number(information.dwVolumeSerialNumber) + u':' + QString::number(index);
}

} // namespace mirune
