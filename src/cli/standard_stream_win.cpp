#include "standard_stream.h"

#include <QString>
#include <algorithm>
#include <cerrno>
#include <qt_windows.h>

namespace mirune::cli {

namespace {

// The C library's number for the system's error, so that the message names it as elsewhere.
int errorNumberOf(DWORD systemError) {
    switch (systemError) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    default:
        return EIO;
    }
}

// A console shows text in its own code page, which is not UTF-8: it is given UTF-16.
int writeConsole(HANDLE console, const QByteArray &bytes) {
    const QString text = QString::fromUtf8(bytes);
    const auto *next = reinterpret_cast<const wchar_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 16 * 1024));
        DWORD written = 0;
        if (!WriteConsoleW(console, next, chunk, &written, nullptr) || written == 0)
            return errorNumberOf(GetLastError());
        next += written;
        left -= written;
    }
    return 0;
}

} // namespace

int writeStandardStream(int descriptor, const QByteArray &bytes) {
    if (bytes.isEmpty())
        return 0;
    const HANDLE handle = GetStdHandle(descriptor == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return EBADF;
    if (DWORD mode = 0; GetConsoleMode(handle, &mode))
        return writeConsole(handle, bytes);
    // A pipe or a file gets the bytes as they are: the C library's text mode would turn every
    // LF into CR LF, and CSV's CR LF into CR CR LF.
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 1024 * 1024));
        DWORD written = 0;
        if (!WriteFile(handle, next, chunk, &written, nullptr))
            return errorNumberOf(GetLastError());
        if (written == 0)
            return EIO;
        next += written;
        left -= written;
    }
    return 0;
}

} // namespace mirune::cli
