#pragma once

// Writing a whole file so that it is either written completely or not at all: the data file and
// the PDF files both go through here.

#include <QByteArray>
#include <QString>

namespace mirune {

struct FileWriteResult {
    enum class Status {
        Written,
        NotARegularFile, // the path names a pipe, a device or the like: nothing was written
        Failed,          // the previous file, if any, is left as it was
    };
    Status status = Status::Written;
    int errorNumber = 0; // the system's error number (Failed only)
    QString message;     // the text to show the user; empty when written

    bool ok() const { return status == Status::Written; }
};

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the file
// only when every byte was written. A failure names the system's error number and text, and says
// that the previous file is still there only when there was one.
FileWriteResult writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace mirune
