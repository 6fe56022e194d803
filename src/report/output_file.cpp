#include "output_file.h"

#include "report_columns.h"
#include "storage/file_kind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <zlib.h>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// How much of a file tells its kind; a workbook is searched whole up to its largest size.
constexpr qint64 kHeadBytes = 64 * 1024;
constexpr qint64 kLargestWorkbook = 64 * 1024 * 1024;
// The lines of a text report that may stand before its heading row: a title and a class line.
constexpr int kLinesBeforeHeading = 2;

// The program's name as a PDF's document information writes it: a literal string of UTF-16
// with its byte-order mark.
QByteArray pdfCreatorEntry() {
    QByteArray entry("/Creator (\xFE\xFF");
    for (QChar c : u"ミルネ2002"_s) {
        entry += char(c.unicode() >> 8);
        entry += char(c.unicode() & 0xFF);
    }
    return entry + ')';
}

QByteArray readHead(const QString &path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(size);
}

// The text of a report's first lines, its byte-order mark left out; empty when the bytes are
// not UTF-8, as every report is.
QStringList firstLines(const QByteArray &head, int count) {
    QByteArray bytes = head;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < count && start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        // A line cut off by the end of the head is no whole line.
        if (end < 0)
            break;
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString line = decoder(bytes.mid(start, end - start));
        if (decoder.hasError())
            return {};
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines += line;
        start = end + 1;
    }
    return lines;
}

bool isOwnText(const QByteArray &head) {
    static const QRegularExpression blanks(u" +"_s);
    const QStringList lines = firstLines(head, kLinesBeforeHeading + 1);
    for (const QString &line : lines) {
        if (report_columns::startsWithTitle(line) ||
            report_columns::isHeadingRow(line.split(blanks, Qt::SkipEmptyParts)))
            return true;
    }
    return false;
}

bool isOwnCsv(const QByteArray &head) {
    const QStringList lines = firstLines(head, 1);
    return !lines.isEmpty() && report_columns::isHeadingRow(lines.first().split(u','));
}

bool isOwnJson(const QByteArray &head) {
    // A class's summary and months start with the class; a school's with its classes.
    static const QRegularExpression own(
        uR"(^\{("year":-?\d+,"grade":-?\d+,"class":"|"classes":\[))"_s);
    return own.match(QString::fromUtf8(head.left(256))).hasMatch();
}

// The first bytes (at most `size`) of a member of a zip archive, or nothing when it has no such
// member or it cannot be read. Little-endian numbers are read byte by byte and 0 past the end,
// so a broken archive reads as one without the member.
std::optional<QByteArray> zipMemberHead(const QByteArray &zip, const QByteArray &name, uInt size) {
    const auto byteAt = [&](qsizetype at) {
        return at >= 0 && at < zip.size() ? quint32(quint8(zip[at])) : 0u;
    };
    const auto u16 = [&](qsizetype at) { return quint16(byteAt(at) | byteAt(at + 1) << 8); };
    const auto u32 = [&](qsizetype at) { return u16(at) | quint32(u16(at + 2)) << 16; };
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return std::nullopt;
    const int count = u16(end + 10);
    qsizetype at = u32(end + 16);
    for (int i = 0; i < count && u32(at) == 0x02014b50; ++i) {
        const int nameLength = u16(at + 28);
        if (zip.mid(at + 46, nameLength) == name) {
            const int method = u16(at + 10);
            const qsizetype local = u32(at + 42);
            const qsizetype data = local + 30 + u16(local + 26) + u16(local + 28);
            const QByteArray packed = zip.mid(data, u32(at + 20));
            if (method == 0)
                return packed.left(size);
            if (method != 8)
                return std::nullopt;
            QByteArray unpacked(size, '\0');
            z_stream stream{};
            if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
                return std::nullopt;
            stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
            stream.avail_in = uInt(packed.size());
            stream.next_out = reinterpret_cast<Bytef *>(unpacked.data());
            stream.avail_out = size;
            const int status = inflate(&stream, Z_SYNC_FLUSH);
            unpacked.truncate(qsizetype(size - stream.avail_out));
            inflateEnd(&stream);
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
                return std::nullopt;
            return unpacked;
        }
        at += 46 + nameLength + u16(at + 30) + u16(at + 32);
    }
    return std::nullopt;
}

// A workbook of this program has the table's title as its first text, in its first cell.
bool isOwnWorkbook(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestWorkbook)
        return false;
    const auto strings = zipMemberHead(file.readAll(), "xl/sharedStrings.xml", 4096);
    if (!strings)
        return false;
    const qsizetype text = strings->indexOf("<si><t>");
    return text >= 0 &&
           report_columns::startsWithTitle(QString::fromUtf8(strings->mid(text + 7, 64)));
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

bool fncIsOwnOutput(const QString &path, OutputFormat format) {
    switch (format) {
    case OutputFormat::Text:
        return isOwnText(readHead(path, kHeadBytes));
    case OutputFormat::Csv:
        return isOwnCsv(readHead(path, kHeadBytes));
    case OutputFormat::Json:
        return isOwnJson(readHead(path, kHeadBytes));
    case OutputFormat::Xlsx:
        return isOwnWorkbook(path);
    case OutputFormat::Pdf: {
        const QByteArray head = readHead(path, kHeadBytes);
        return head.startsWith("%PDF-") && head.contains(pdfCreatorEntry());
    }
    }
    return false;
}

bool fncIsDataFileName(const QString &path) {
    return path.endsWith(u".zr2"_s, Qt::CaseInsensitive);
}

QString fncResolvedPath(const QString &path) {
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

bool fncNamesSameFile(const QString &first, const QString &second) {
    return fncResolvedPath(first) == fncResolvedPath(second) || isSameFile(first, second);
}

} // namespace mirune
