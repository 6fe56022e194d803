#include "output_file.h"

#include "storage/file_kind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// How much of a file tells its kind; a workbook is searched whole up to its largest size.
constexpr qint64 kHeadBytes = 64 * 1024;
constexpr qint64 kLargestWorkbook = 64 * 1024 * 1024;

// Where a path leads: links followed to their end and ".." resolved, also where the end is not
// there (a link to a share that is not mounted leads to the path it names).
QString resolvedPath(const QString &path) {
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    // A loop of links ends somewhere in it; as many steps as the system itself follows.
    for (int step = 0; step < 40; ++step) {
        const QFileInfo info(current);
        if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
            return canonical;
        if (!info.isSymLink()) {
            // Nothing there: its folder resolved, its own name kept.
            const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
            return folder.isEmpty() ? current : QDir(folder).filePath(info.fileName());
        }
        current = QDir::cleanPath(info.symLinkTarget());
    }
    return current;
}

bool isZipWorkbook(QFile &file) {
    if (file.size() > kLargestWorkbook || !file.seek(0))
        return false;
    // The names of a zip's parts stand uncompressed in it.
    return file.readAll().contains("xl/workbook.xml");
}

} // namespace

ExistingFile fncExistingFileKind(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ExistingFile::Other;
    const QByteArray head = file.read(kHeadBytes);
    if (head.isEmpty())
        return ExistingFile::Empty;
    // "トワラ" in CP932, with which both headers start.
    if (head.startsWith("\x83\x67\x83\x8F\x83\x89"))
        return ExistingFile::DataFile;
    if (head.startsWith("PK\x03\x04"))
        return isZipWorkbook(file) ? ExistingFile::Workbook : ExistingFile::Other;
    if (head.startsWith("%PDF-"))
        return ExistingFile::Pdf;
    if (head.contains('\0'))
        return ExistingFile::Other;

    QByteArray text = head;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QByteArray trimmed = text.trimmed();
    if (trimmed.startsWith('{') || trimmed.startsWith('['))
        return ExistingFile::Json;
    const qsizetype lineEnd = text.indexOf('\n');
    if (text.left(lineEnd < 0 ? text.size() : lineEnd).contains(','))
        return ExistingFile::Csv;
    return ExistingFile::Text;
}

bool fncIsDataFileName(const QString &path) {
    return path.endsWith(u".zr2"_s, Qt::CaseInsensitive);
}

bool fncNamesSameFile(const QString &first, const QString &second) {
    return resolvedPath(first) == resolvedPath(second) || isSameFile(first, second);
}

} // namespace mirune
