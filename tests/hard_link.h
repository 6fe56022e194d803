#pragma once

// A second name for an existing file (a hard link), on Linux and on Windows alike: what the
// tests use to show that two names of one file are known as one.

#include <QFile>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace mirune::test {

inline bool makeHardLink(const QString &existing, const QString &link) {
#ifdef Q_OS_WIN
    return CreateHardLinkW(reinterpret_cast<LPCWSTR>(link.utf16()),
                           reinterpret_cast<LPCWSTR>(existing.utf16()), nullptr) != 0;
#else
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) ==
           0;
#endif
}

} // namespace mirune::test
