#include "output_policy.h"

#include "output_file.h"
#include "storage/file_kind.h"
#include "storage/file_messages.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// The formats, their command-line names, their extensions and what a message calls their files.
constexpr std::array<OutputFormatInfo, 5> kFormats = {{
    {OutputFormat::Text, u"text", u"txt", u"テキストのファイル"},
    {OutputFormat::Csv, u"csv", u"csv", u"CSV のファイル"},
    {OutputFormat::Json, u"json", u"json", u"JSON のファイル"},
    {OutputFormat::Xlsx, u"xlsx", u"xlsx", u"Excel のブック"},
    {OutputFormat::Pdf, u"pdf", u"pdf", u"PDF"},
}};

// What the output is called where it is refused: "PDF をデータファイルの名前で…",
// "データファイルを PDF で…"; "集計を…", "…を集計で…".
QString outputFirst(OutputFormat format) {
    return format == OutputFormat::Pdf ? u"PDF を"_s : u"集計を"_s;
}
QString byOutput(OutputFormat format) {
    return format == OutputFormat::Pdf ? u" PDF で"_s : u"集計で"_s;
}

// The format an existing file is of, as its first bytes show it; none for the kinds no output
// writes.
std::optional<OutputFormat> formatOfKind(ExistingFile kind) {
    switch (kind) {
    case ExistingFile::Text:
        return OutputFormat::Text;
    case ExistingFile::Csv:
        return OutputFormat::Csv;
    case ExistingFile::Json:
        return OutputFormat::Json;
    case ExistingFile::Workbook:
        return OutputFormat::Xlsx;
    case ExistingFile::Pdf:
        return OutputFormat::Pdf;
    case ExistingFile::Empty:
    case ExistingFile::DataFile:
    case ExistingFile::Other:
        break;
    }
    return std::nullopt;
}

QString kindText(ExistingFile kind) {
    if (const auto format = formatOfKind(kind))
        return outputFormatInfo(*format).kindName.toString();
    return u"ほかの種類のファイル"_s;
}

OutputVerdict refused(const QString &message) {
    return {OutputVerdict::Answer::Refuse, QString(), message};
}

// A name whose extension is another format's, or nothing.
std::optional<OutputFormat> otherFormatOfName(const QString &path, OutputFormat format) {
    const auto named = fncFormatOfName(path);
    if (named && *named != format)
        return named;
    return std::nullopt;
}

// What is asked, or said to be missing, before an existing file is replaced. `own`: the
// program's own earlier output of the format, or an empty file.
OutputVerdict confirmation(const OutputRequest &request, const QString &path,
                           const QString &resolved, ExistingFile kind, bool own) {
    const OutputFormatInfo &info = outputFormatInfo(request.format);
    const bool sameKind = formatOfKind(kind) == request.format;
    if (request.asker == OutputAsker::Command) {
        if (own)
            return {OutputVerdict::Answer::Write, resolved, QString()};
        if (sameKind)
            return {OutputVerdict::Answer::Confirm, resolved,
                    u"出力先「%1」はミルネ2002 が書き出した%2ではありません。"
                    "置き換えるには --force を指定してください。"_s.arg(path, info.kindName)};
        return {
            OutputVerdict::Answer::Confirm, resolved,
            u"出力先「%1」は%2で、%3 の書き出しで置き換えるファイルではありません。"
            "置き換えるには --force を指定してください。"_s.arg(path, kindText(kind), info.name)};
    }
    QString question;
    if (own)
        question = u"「%1」はすでにあります。置き換えますか？"_s.arg(path);
    else if (sameKind)
        question = u"「%1」はすでにあり、ミルネ2002 が書き出した%2ではありません。"
                   "置き換えますか？"_s.arg(path, info.kindName);
    else
        question = u"「%1」はすでにあり、%2です。置き換えますか？"_s.arg(path, kindText(kind));
    return {OutputVerdict::Answer::Confirm, resolved, question};
}

} // namespace

const OutputFormatInfo &outputFormatInfo(OutputFormat format) {
    for (const OutputFormatInfo &info : kFormats)
        if (info.format == format)
            return info;
    return kFormats.front();
}

std::optional<OutputFormat> fncFormatOfName(const QString &path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const OutputFormatInfo &info : kFormats)
        if (suffix.compare(info.extension, Qt::CaseInsensitive) == 0)
            return info.format;
    return std::nullopt;
}

OutputVerdict fncOutputVerdict(const OutputRequest &request) {
    if (request.path.isEmpty())
        return refused(file_messages::noFileName());
    const QString resolved = fncResolvedPath(request.path);
    // A link is named with the place it leads to, which is what is judged and written.
    const QString path = QFileInfo(request.path).isSymLink()
                             ? u"%1（リンク先「%2」）"_s.arg(request.path, resolved)
                             : request.path;

    for (const QString &input : request.inputs)
        if (fncNamesSameFile(request.path, input))
            return refused(
                u"出力先「%1」は読み込むファイル「%2」と同じです。書き出し先には使えません。"_s.arg(
                    path, input));
    // The name given and the name a link leads to: a link called out.csv that leads to a
    // class's file is that file.
    for (const QString &name : {request.path, resolved}) {
        if (fncIsDataFileName(name))
            return refused(u"出力先「%1」はデータファイルの名前（.zr2）です。"
                           "%2データファイルの名前で書き出すことはしません。"_s.arg(
                               path, outputFirst(request.format)));
        if (const auto other = otherFormatOfName(name, request.format)) {
            const OutputFormatInfo &own = outputFormatInfo(request.format);
            const OutputFormatInfo &named = outputFormatInfo(*other);
            return refused(
                u"出力先「%1」の名前（.%2）は%3の名前です。"
                "%4は .%5 の名前で書き出してください。"_s.arg(
                    path, QFileInfo(name).suffix(), named.kindName, own.kindName, own.extension));
        }
    }

    const FileKind onDisk = fileKind(resolved);
    if (onDisk == FileKind::Missing) {
        const QString folder = QFileInfo(resolved).absolutePath();
        if (fileKind(folder) != FileKind::Directory)
            return refused(
                file_messages::saveFolderMissing(path, QDir::toNativeSeparators(folder)));
        return {OutputVerdict::Answer::Write, resolved, QString()};
    }
    if (onDisk != FileKind::Regular)
        return refused(file_messages::saveTargetNotRegular(path, file_messages::kindName(onDisk)));

    const ExistingFile kind = fncExistingFileKind(resolved);
    if (kind == ExistingFile::DataFile)
        return refused(
            u"出力先「%1」はデータファイルです。データファイルを%2置き換えることはしません。"_s.arg(
                path, byOutput(request.format)));
    const bool own = kind == ExistingFile::Empty || (formatOfKind(kind) == request.format &&
                                                     fncIsOwnOutput(resolved, request.format));
    return confirmation(request, path, resolved, kind, own);
}

} // namespace mirune
