#include "report_output.h"

#include "cli_support.h"
#include "model/notation.h"
#include "report/csv_bytes.h"
#include "report/workbook_write.h"
#include "storage/whole_file_write.h"

#include <QFileInfo>
#include <array>
#include <utility>

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

// The policy's verdict on the target, with --force as the command's answer to its question.
OutputVerdict targetVerdict(ReportFormat format, const ReportTarget &target) {
    OutputVerdict verdict = fncOutputVerdict({target.path, format, target.inputs});
    if (verdict.answer == OutputVerdict::Answer::Confirm && target.force)
        verdict.answer = OutputVerdict::Answer::Write;
    return verdict;
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
            widths[c] = std::max(widths[c], fncDisplayWidth(line[c]));
        }
    }
    QString text;
    for (const QStringList &line : lines) {
        QString row;
        for (int c = 0; c < line.size(); ++c) {
            const QString pad(widths[c] - fncDisplayWidth(line[c]), u' ');
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

std::optional<ReportFormat> reportFormat(const QString &command, const ParsedArgs &parsed) {
    const QString output = parsed.value(u"o"_s);
    const std::optional<OutputFormat> fromName = fncFormatOfName(output);
    const bool named = fromName.has_value();
    const OutputFormat nameFormat = fromName.value_or(OutputFormat::Text);
    if (!parsed.has(u"format"_s)) {
        if (!named || nameFormat != OutputFormat::Pdf)
            return nameFormat;
        usageError(command,
                   u"出力先「%1」は PDF の名前です。集計は text、csv、json、xlsx の"
                   "どれかで書き出します（用紙の PDF は mirune-cli print で）。"_s.arg(output));
        return std::nullopt;
    }
    const QString formatOption = parsed.value(u"format"_s);
    for (ReportFormat format :
         {ReportFormat::Text, ReportFormat::Csv, ReportFormat::Json, ReportFormat::Xlsx}) {
        const OutputFormatInfo &info = outputFormatInfo(format);
        if (formatOption != info.name)
            continue;
        if (!named || nameFormat == format)
            return format;
        usageError(command,
                   u"--format %1 と出力先「%2」の名前（.%3）が合いません。%1 は .%4 の"
                   "名前で書き出すか、--format を省いて名前の形式で書き出してください。"_s.arg(
                       info.name, output, QFileInfo(output).suffix(), info.extension));
        return std::nullopt;
    }
    usageError(command, u"--format には text、csv、json、xlsx のどれかを指定してください。"_s);
    return std::nullopt;
}

int checkReportTarget(const QString &command, ReportFormat format, const ReportTarget &target) {
    if (format == ReportFormat::Xlsx && target.path.isEmpty())
        return usageError(command, u"xlsx は -o OUT.xlsx で書き出すファイルを指定してください。"_s);
    if (target.path.isEmpty())
        return kExitOk;
    if (const OutputVerdict verdict = targetVerdict(format, target);
        verdict.answer != OutputVerdict::Answer::Write)
        return fileError(command, verdict.message);
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
    case ReportFormat::Xlsx:
    case ReportFormat::Pdf:
        break;
    }
    if (target.path.isEmpty()) {
        writeOut(bytes);
        return kExitOk;
    }
    // Where the path's links lead, as judged.
    const QString path = targetVerdict(format, target).path;
    const FileWriteResult written =
        format == ReportFormat::Xlsx ? writeWorkbook(path, table) : writeWholeFile(path, bytes);
    return written.ok() ? kExitOk : fileError(command, written.message);
}

} // namespace mirune::cli
