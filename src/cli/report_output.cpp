#include "report_output.h"

#include "cli_support.h"
#include "report/csv_bytes.h"
#include "report/workbook_write.h"
#include "storage/whole_file_write.h"

#include <QFileInfo>

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

bool sameFile(const QString &a, const QString &b) {
    const QFileInfo x(a);
    const QFileInfo y(b);
    if (x.exists() && y.exists())
        return x.canonicalFilePath() == y.canonicalFilePath();
    return x.absoluteFilePath() == y.absoluteFilePath();
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
    if (name == u"text"_s)
        return ReportFormat::Text;
    if (name == u"csv"_s)
        return ReportFormat::Csv;
    if (name == u"json"_s)
        return ReportFormat::Json;
    if (name == u"xlsx"_s)
        return ReportFormat::Xlsx;
    usageError(command, u"--format には text、csv、json、xlsx のどれかを指定してください。"_s);
    return std::nullopt;
}

int writeReport(const QString &command, ReportFormat format, const QString &outPath,
                const QStringList &inputs, const ReportTable &table, const QString &text,
                const QString &json) {
    if (format == ReportFormat::Xlsx && outPath.isEmpty())
        return usageError(command, u"xlsx は -o OUT.xlsx で書き出すファイルを指定してください。"_s);
    for (const QString &input : inputs) {
        if (!outPath.isEmpty() && sameFile(outPath, input))
            return fileError(
                command,
                u"%1 は読み込むデータファイルです。書き出し先には使えません。"_s.arg(outPath));
    }

    QByteArray bytes;
    switch (format) {
    case ReportFormat::Text:
        bytes = text.toUtf8();
        break;
    case ReportFormat::Json:
        bytes = json.toUtf8();
        break;
    case ReportFormat::Csv:
        bytes = fncCsvBytes(fncReportLines(table));
        break;
    case ReportFormat::Xlsx: {
        const FileWriteResult written = writeWorkbook(outPath, table);
        return written.ok() ? kExitOk : fileError(command, written.message);
    }
    }
    if (outPath.isEmpty()) {
        writeOut(bytes);
        return kExitOk;
    }
    const FileWriteResult written = writeWholeFile(outPath, bytes);
    return written.ok() ? kExitOk : fileError(command, written.message);
}

} // namespace mirune::cli
