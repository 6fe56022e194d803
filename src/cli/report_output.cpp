#include "report_output.h"

#include "cli_support.h"
#include "report/csv_bytes.h"
#include "report/output_file.h"
#include "report/workbook_write.h"
#include "storage/file_kind.h"
#include "storage/file_messages.h"
#include "storage/whole_file_write.h"

#include <array>
#include <utility>

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

int displayWidth(const QString &text) {
    int width = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool halfWidthKana = u >= 0xFF61 && u <= 0xFF9F;
        width += (u >= 0x1100 && !halfWidthKana) ? 2 : 1;
    }
    return width;
}

// The kind a format writes, and its name in a message.
bool isOwnKind(ReportFormat format, ExistingFile kind) {
    switch (format) {
    case ReportFormat::Text:
        return kind == ExistingFile::Text;
    case ReportFormat::Csv:
        return kind == ExistingFile::Csv;
    case ReportFormat::Json:
        return kind == ExistingFile::Json;
    case ReportFormat::Xlsx:
        return kind == ExistingFile::Workbook;
    }
    return false;
}

QString kindName(ExistingFile kind) {
    switch (kind) {
    case ExistingFile::Workbook:
        return u"Excel のブック"_s;
    case ExistingFile::Pdf:
        return u"PDF"_s;
    case ExistingFile::Csv:
        return u"CSV のファイル"_s;
    case ExistingFile::Json:
        return u"JSON のファイル"_s;
    case ExistingFile::Text:
        return u"テキストのファイル"_s;
    case ExistingFile::Empty:
    case ExistingFile::DataFile:
    case ExistingFile::Other:
        break;
    }
    return u"ほかの種類のファイル"_s;
}

// The formats by the names --format takes.
constexpr std::array<std::pair<ReportFormat, QStringView>, 4> kFormatNames = {{
    {ReportFormat::Text, u"text"},
    {ReportFormat::Csv, u"csv"},
    {ReportFormat::Json, u"json"},
    {ReportFormat::Xlsx, u"xlsx"},
}};

QString formatName(ReportFormat format) {
    for (const auto &[known, name] : kFormatNames)
        if (known == format)
            return name.toString();
    return QString();
}

// Why the report must not go to `target`, or empty text when it may.
QString targetProblem(ReportFormat format, const ReportTarget &target) {
    const QString &path = target.path;
    for (const QString &input : target.inputs)
        if (fncNamesSameFile(path, input))
            return u"出力先「%1」は読み込むファイル「%2」と同じです。書き出し先には使えません。"_s
                .arg(path, input);
    if (fncIsDataFileName(path))
        return u"出力先「%1」はデータファイルの名前（.zr2）です。"
               "集計をデータファイルの名前で書き出すことはしません。"_s.arg(path);
    const FileKind onDisk = fileKind(path);
    if (onDisk == FileKind::Missing)
        return QString(); // a new file
    if (onDisk != FileKind::Regular)
        return file_messages::saveTargetNotRegular(path, file_messages::kindName(onDisk));
    const ExistingFile kind = fncExistingFileKind(path);
    if (kind == ExistingFile::DataFile)
        return u"出力先「%1」はデータファイルです。データファイルを集計で置き換えることはしません。"_s
            .arg(path);
    if (kind == ExistingFile::Empty || isOwnKind(format, kind) || target.force)
        return QString();
    return u"出力先「%1」は%2で、%3 の書き出しで置き換えるファイルではありません。"
           "置き換えるには --force を指定してください。"_s.arg(path, kindName(kind),
                                                               formatName(format));
}

// The files a table could not take in, as a text form lists them under the table.
QString unreadText(const QList<UnreadFile> &unread) {
    if (unread.isEmpty())
        return QString();
    QList<QStringList> lines;
    for (const UnreadFile &file : unread)
        lines += QStringList{u"  "_s + file.file, file.reason};
    return u"\n読み込めなかったファイル\n"_s + alignedText(lines, {0, 1});
}

} // namespace

QString alignedText(const QList<QStringList> &lines, const QList<int> &leftColumns) {
    QList<int> widths;
    for (const QStringList &line : lines) {
        for (int c = 0; c < line.size(); ++c) {
            if (c >= widths.size())
                widths += 0;
            widths[c] = std::max(widths[c], displayWidth(line[c]));
        }
    }
    QString text;
    for (const QStringList &line : lines) {
        QString row;
        for (int c = 0; c < line.size(); ++c) {
            const QString pad(widths[c] - displayWidth(line[c]), u' ');
            if (c > 0)
                row += u"  "_s;
            row += leftColumns.contains(c) ? line[c] + pad : pad + line[c];
        }
        // No trailing blanks after a left-aligned last column.
        while (row.endsWith(u' '))
            row.chop(1);
        text += row + u'\n';
    }
    return text;
}

QString jsonString(const QString &text) {
    QString quoted = u"\""_s;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            quoted += u"\\\""_s;
            break;
        case u'\\':
            quoted += u"\\\\"_s;
            break;
        case u'\n':
            quoted += u"\\n"_s;
            break;
        case u'\r':
            quoted += u"\\r"_s;
            break;
        case u'\t':
            quoted += u"\\t"_s;
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += u"\\u%1"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

QString jsonCounts(const HourCounts &counts) {
    QStringList members;
    for (HourField f : displayOrder())
        members += jsonString(QString::fromLatin1(subjectInfo(f).fieldName)) + u':' +
                   QString::number(counts[f]);
    return u'{' + members.join(u',') + u'}';
}

std::optional<ReportFormat> reportFormat(const QString &command, const QString &name) {
    for (const auto &[format, known] : kFormatNames)
        if (name == known)
            return format;
    usageError(command, u"--format には text、csv、json、xlsx のどれかを指定してください。"_s);
    return std::nullopt;
}

int checkReportTarget(const QString &command, ReportFormat format, const ReportTarget &target) {
    if (format == ReportFormat::Xlsx && target.path.isEmpty())
        return usageError(command, u"xlsx は -o OUT.xlsx で書き出すファイルを指定してください。"_s);
    if (target.path.isEmpty())
        return kExitOk;
    if (const QString problem = targetProblem(format, target); !problem.isEmpty())
        return fileError(command, problem);
    return kExitOk;
}

int writeReport(const QString &command, ReportFormat format, const ReportTarget &target,
                const ReportTable &table, const QString &text, const QString &json) {
    if (const int checked = checkReportTarget(command, format, target); checked != kExitOk)
        return checked;

    QByteArray bytes;
    switch (format) {
    case ReportFormat::Text:
        bytes = (text + unreadText(table.unread)).toUtf8();
        break;
    case ReportFormat::Json:
        bytes = json.toUtf8();
        break;
    case ReportFormat::Csv:
        bytes = fncReportCsvBytes(table);
        break;
    case ReportFormat::Xlsx: {
        const FileWriteResult written = writeWorkbook(target.path, table);
        return written.ok() ? kExitOk : fileError(command, written.message);
    }
    }
    if (target.path.isEmpty()) {
        writeOut(bytes);
        return kExitOk;
    }
    const FileWriteResult written = writeWholeFile(target.path, bytes);
    return written.ok() ? kExitOk : fileError(command, written.message);
}

} // namespace mirune::cli
