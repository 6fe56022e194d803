#include "standard_stream.h"

#include <QFile>
#include <cerrno>

namespace mirune::cli {

int writeStandardStream(int descriptor, const QByteArray &bytes) {
    if (bytes.isEmpty())
        return 0;
    QFile file;
    // Unbuffered: the count write() returns is what reached the descriptor.
    if (!file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle))
        return EBADF;
    errno = 0;
    if (file.write(bytes) == bytes.size())
        return 0;
    return errno != 0 ? errno : EIO;
}

} // namespace mirune::cli
