#pragma once

// Writing to standard output and standard error: the only place of the commands that asks the
// operating system directly.

#include <QByteArray>

namespace mirune::cli {

// Writes `bytes` (UTF-8 text, or a file's bytes such as CSV) to standard output (1) or standard
// error (2) in full. The system's error number when it could not, 0 when all was written. The
// bytes go out as they are, with no line ends changed; only on Windows, where a console shows
// its own code page, text bound for a console window is handed to it as UTF-16.
int writeStandardStream(int descriptor, const QByteArray &bytes);

} // namespace mirune::cli
