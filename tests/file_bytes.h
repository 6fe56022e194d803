#pragma once

// A file's bytes read or written whole, for tests that set up or look at files.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace mirune::test {

// Empty when the file cannot be read.
inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace mirune::test
