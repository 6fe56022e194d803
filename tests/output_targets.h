#pragma once

// The places an output (a report, a workbook, a PDF of a sheet) can be told to go, with what the
// output policy must do at each: the one table that the command-line test (summary, school,
// print) and the window test (Excel に保存, PDF に保存) both run, for every format and with and
// without the user's consent (--force, or Yes to the question).

#include "file_bytes.h"
#include "hard_link.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <array>
#include <functional>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace mirune::test {

using namespace Qt::StringLiterals;

// What stands at the path before the output is written.
enum class Target {
    NewFile,            // nothing, under a name of the format's own extension
    NewDataFileName,    // nothing, under a name ending in .zr2
    NewOtherFormatName, // nothing, under another format's extension
    EmptyFile,          // a file with nothing in it to lose
    OwnOutput,          // the program's own earlier output of the format
    OwnOtherOutput,     // the program's own earlier output of another format
    ForeignSameKind,    // a file of the format's kind that the program did not write
    ForeignOtherKind,   // a file of another kind (an image)
    Input,              // the class file the output is made from
    InputByDotDot,      // the same, named through ".."
    InputHardLink,      // a hard link to it under an output's name
    OtherDataFile,      // another class's data file
    Backup,             // a backup of a data file: a data file's content under .bak
    LinkToDataFile,     // a link under an output's name that leads to another class's file
    LinkToMissingData,  // a link that leads to a .zr2 name on a share that is not there
    LinkToOwnOutput,    // a link that leads to the program's own earlier output
    LinkToNewFile,      // a link that leads to a new name in a folder that is there
    Folder,             // a folder under an output's name
    MissingFolder,      // a new name in a folder that is not there
    NamedPipe,          // a named pipe under an output's name
};

enum class Expected {
    Written,      // on the command line without --force (a window asks when a file is there)
    NeedsConsent, // only with --force, or when the user answers Yes
    Refused,      // never, forced or not
};

struct TargetCase {
    const char *name;
    Target target;
    Expected expected;
    bool existing; // a window asks before replacing it (when not refused)
    bool linkOnly; // needs symbolic links (Linux here)
    bool pipeOnly; // needs named pipes
};

inline constexpr std::array<TargetCase, 20> kTargetCases = {{
    {"a new file", Target::NewFile, Expected::Written, false, false, false},
    {"a new .zr2 name", Target::NewDataFileName, Expected::Refused, false, false, false},
    {"a new name of another format", Target::NewOtherFormatName, Expected::Refused, false, false,
     false},
    {"an empty file", Target::EmptyFile, Expected::Written, true, false, false},
    {"its own earlier output", Target::OwnOutput, Expected::Written, true, false, false},
    {"its own earlier output of another format", Target::OwnOtherOutput, Expected::NeedsConsent,
     true, false, false},
    {"a foreign file of its kind", Target::ForeignSameKind, Expected::NeedsConsent, true, false,
     false},
    {"a foreign file of another kind", Target::ForeignOtherKind, Expected::NeedsConsent, true,
     false, false},
    {"the input", Target::Input, Expected::Refused, true, false, false},
    {"the input through ..", Target::InputByDotDot, Expected::Refused, true, false, false},
    {"a hard link to the input", Target::InputHardLink, Expected::Refused, true, false, false},
    {"another class's data file", Target::OtherDataFile, Expected::Refused, true, false, false},
    {"a backup of a data file", Target::Backup, Expected::Refused, true, false, false},
    {"a link to another class's file", Target::LinkToDataFile, Expected::Refused, true, true,
     false},
    {"a link to a data file on a missing share", Target::LinkToMissingData, Expected::Refused,
     false, true, false},
    {"a link to its own earlier output", Target::LinkToOwnOutput, Expected::Written, true, true,
     false},
    {"a link to a new file", Target::LinkToNewFile, Expected::Written, false, true, false},
    {"a folder", Target::Folder, Expected::Refused, true, false, false},
    {"a folder that is not there", Target::MissingFolder, Expected::Refused, false, false, false},
    {"a named pipe", Target::NamedPipe, Expected::Refused, true, false, true},
}};

// The file name extensions of the formats, as the outputs take them.
inline QString extensionOf(const QString &format) {
    return format == u"text"_s ? u"txt"_s : format;
}
// A format other than `format`, for the names and files of another format.
inline QString otherFormat(const QString &format) {
    return format == u"csv"_s ? u"json"_s : u"csv"_s;
}

// What a file of the format that the program did not write holds: a teacher's note, a class
// list saved from Excel in its own code page, a settings file, a workbook of names, a
// circular.
inline QByteArray foreignBytes(const QString &format, const QByteArray &foreignWorkbook) {
    if (format == u"text"_s)
        return "# notes\nbring the recorder on Friday\n";
    if (format == u"csv"_s)
        return "\x94\x4e\x91\x67,\x8e\x81\x96\xbc\r\n1,\x8e\x52\x93\x63\r\n"; // 年組,氏名 / 1,山田
    if (format == u"json"_s)
        return "{\"printer\": \"room 3\"}\n";
    if (format == u"xlsx"_s)
        return foreignWorkbook;
    return "%PDF-1.4\n1 0 obj\n<<\n/Title (circular)\n>>\nendobj\n%%EOF\n";
}

// A set-up folder for one case: the class file the output is made from, another class's file
// and the share folder the links lead into.
struct TargetFolder {
    QString root;
    QString input; // the class file
    QString path(const QString &name) const { return root + u'/' + name; }
};

// The bytes of the program's own earlier output of a format, as the test makes it.
using OwnOutputMaker = std::function<QByteArray(const QString &format)>;

// Makes what stands at the case's path in `folder` and returns the path the output is told to
// go to; empty when it could not be set up. `classBytes`: a data file's bytes (another class's
// file, the backup).
inline QString makeTarget(const TargetFolder &folder, Target target, const QString &format,
                          const QByteArray &classBytes, const QByteArray &foreignWorkbook,
                          const OwnOutputMaker &ownOutput) {
    const QString ext = u'.' + extensionOf(format);
    const auto file = [&](const QString &name, const QByteArray &bytes) {
        return writeBytes(folder.path(name), bytes) ? folder.path(name) : QString();
    };
    const auto link = [&](const QString &name, const QString &to) {
        return QFile::link(folder.path(to), folder.path(name)) ? folder.path(name) : QString();
    };
    QDir().mkpath(folder.path(u"share"_s));
    switch (target) {
    case Target::NewFile:
        return folder.path(u"new"_s + ext);
    case Target::NewDataFileName:
        return folder.path(u"new.zr2"_s);
    case Target::NewOtherFormatName:
        return folder.path(u"new."_s + extensionOf(format == u"pdf"_s ? u"csv"_s : u"pdf"_s));
    case Target::EmptyFile:
        return file(u"empty"_s + ext, QByteArray());
    case Target::OwnOutput:
        return file(u"earlier"_s + ext, ownOutput(format));
    case Target::OwnOtherOutput:
        return file(u"earlier-other"_s + ext, ownOutput(otherFormat(format)));
    case Target::ForeignSameKind:
        return file(u"foreign"_s + ext, foreignBytes(format, foreignWorkbook));
    case Target::ForeignOtherKind:
        return file(u"picture"_s + ext, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    case Target::Input:
        return folder.input;
    case Target::InputByDotDot:
        return QDir(folder.path(u"share"_s))
            .filePath(u"../"_s + QFileInfo(folder.input).fileName());
    case Target::InputHardLink:
        return makeHardLink(folder.input, folder.path(u"hard"_s + ext))
                   ? folder.path(u"hard"_s + ext)
                   : QString();
    case Target::OtherDataFile:
        return file(u"share/class9.zr2"_s, classBytes);
    case Target::Backup:
        return file(u"class9.bak"_s, classBytes);
    case Target::LinkToDataFile:
        return file(u"share/class9.zr2"_s, classBytes).isEmpty()
                   ? QString()
                   : link(u"out"_s + ext, u"share/class9.zr2"_s);
    case Target::LinkToMissingData:
        return link(u"gone"_s + ext, u"share/class10.zr2"_s);
    case Target::LinkToOwnOutput:
        return file(u"share/earlier"_s + ext, ownOutput(format)).isEmpty()
                   ? QString()
                   : link(u"linked"_s + ext, u"share/earlier"_s + ext);
    case Target::LinkToNewFile:
        return link(u"to-new"_s + ext, u"share/new"_s + ext);
    case Target::Folder:
        return QDir().mkpath(folder.path(u"folder"_s + ext)) ? folder.path(u"folder"_s + ext)
                                                             : QString();
    case Target::MissingFolder:
        return folder.path(u"nowhere/new"_s + ext);
    case Target::NamedPipe:
#ifdef Q_OS_UNIX
        return ::mkfifo(QFile::encodeName(folder.path(u"pipe"_s + ext)).constData(), 0600) == 0
                   ? folder.path(u"pipe"_s + ext)
                   : QString();
#else
        return QString();
#endif
    }
    return QString();
}

// Where an output told to go to `path` ends up: the end of its links.
inline QString landingPlace(const QString &path) {
    QString current = path;
    for (int step = 0; step < 8 && QFileInfo(current).isSymLink(); ++step)
        current = QFileInfo(current).symLinkTarget();
    return current;
}

// Every file and folder under the folder with its bytes: what a refused output must leave as it
// was, with no temporary file beside it.
inline QStringList folderSnapshot(const QString &root) {
    QStringList entries;
    const QDir dir(root);
    for (const QFileInfo &info : dir.entryInfoList(
             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)) {
        QString entry = info.fileName();
        if (info.isSymLink())
            entry += u" -> "_s + info.symLinkTarget();
        else if (info.isDir())
            entry += u"/ {"_s + folderSnapshot(info.filePath()).join(u", "_s) + u'}';
        else if (info.isFile())
            entry += u' ' + QString::fromLatin1(QCryptographicHash::hash(readBytes(info.filePath()),
                                                                         QCryptographicHash::Sha1)
                                                    .toHex());
        entries += entry;
    }
    return entries;
}

} // namespace mirune::test
