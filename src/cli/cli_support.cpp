#include "cli_support.h"

#include "standard_stream.h"
#include "storage/data_file.h"

#include <QFileInfo>
#include <cstring>

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

QByteArray &outBytes() {
    static QByteArray bytes;
    return bytes;
}

QByteArray &errBytes() {
    static QByteArray bytes;
    return bytes;
}

void qtMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    err() << qFormatLogMessage(type, context, text) << Qt::endl;
    if (type == QtFatalMsg)
        finishOutput(u"mirune-cli"_s, kExitFileError);
}

} // namespace

QTextStream &out() {
    static QTextStream stream(&outBytes(), QIODevice::WriteOnly);
    return stream;
}

QTextStream &err() {
    static QTextStream stream(&errBytes(), QIODevice::WriteOnly);
    return stream;
}

void writeOut(const QByteArray &bytes) {
    // Through the stream's own device, so that what the stream writes later comes after.
    out().flush();
    out().device()->write(bytes);
}

int finishOutput(const QString &command, int exitCode) {
    out().flush();
    if (const int errorNumber = writeStandardStream(1, outBytes()); errorNumber != 0) {
        err() << u"%1: 標準出力に書き込めませんでした（エラー %2：%3）。"_s.arg(command)
                     .arg(errorNumber)
                     .arg(QString::fromLocal8Bit(std::strerror(errorNumber)))
              << u'\n';
        if (exitCode == kExitOk)
            exitCode = kExitFileError;
    }
    outBytes().clear();
    err().flush();
    if (writeStandardStream(2, errBytes()) != 0 && exitCode == kExitOk)
        exitCode = kExitFileError;
    errBytes().clear();
    return exitCode;
}

void installMessageHandler() {
    qInstallMessageHandler(qtMessageHandler);
}

int usageError(const QString &command, const QString &message) {
    err() << u"mirune-cli "_s << command << u": "_s << message << u'\n'
          << u"使い方は「mirune-cli "_s << command << u" --help」で表示されます。"_s << u'\n';
    return kExitUsage;
}

int fileError(const QString &command, const QString &message) {
    err() << u"mirune-cli "_s << command << u": "_s << message << u'\n';
    return kExitFileError;
}

bool lockForWriting(const QString &command, const QString &path, DataFileLock &lock,
                    int &exitCode) {
    // Long enough for another command to read, register and write a whole year.
    constexpr int kWaitForCommandMs = 10000;
    DataFileLock::Status status = lock.lock(path);
    // Another command is waited for; so is a holder not yet known (a lock that is being
    // written names nobody for a moment). The desktop program is not: it keeps its file for hours.
    const auto byAnotherCommand = [&lock] {
        return lock.holderProgram().isEmpty() ||
               lock.holderProgram() == DataFileLock::ownProgramName();
    };
    if (status == DataFileLock::Status::HeldElsewhere && byAnotherCommand())
        status = lock.lock(path, kWaitForCommandMs);
    if (status != DataFileLock::Status::HeldElsewhere)
        return true;
    exitCode =
        fileError(command, byAnotherCommand() ? u"「%1」はほかの mirune-cli が使っています。"
                                                u"しばらくしてからもう一度実行してください。"_s.arg(
                                                    QFileInfo(path).fileName())
                                              : fncHeldElsewhereMessage(path));
    return false;
}

bool loadState(const QString &command, const QString &path, AppState &state) {
    subInitApp(state);
    state.strFileName = path;
    const LoadResult result = subLoadFile(state);
    if (!result.ok()) {
        // A file that cannot be opened is named in the message; the others name the line only.
        fileError(command, result.status == LoadResult::Status::CannotOpen
                               ? result.message
                               : u"%1: %2"_s.arg(path, result.message));
        return false;
    }
    return true;
}

ParsedArgs parseArgs(const QStringList &args, const QStringList &valueOptions,
                     const QStringList &flagOptions) {
    ParsedArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        // A one-letter value option may be given with one dash: -o FILE.
        if (arg.size() == 2 && arg[0] == u'-' && valueOptions.contains(arg.mid(1)))
            arg.prepend(u'-');
        if (!arg.startsWith(u"--"_s) || arg == u"--"_s) {
            if (arg == u"--"_s) {
                parsed.positional += args.mid(i + 1);
                break;
            }
            parsed.positional += arg;
            continue;
        }
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
        if (valueOptions.contains(name)) {
            if (eq >= 0) {
                parsed.values.insert(name, arg.mid(eq + 1));
            } else if (i + 1 < args.size()) {
                parsed.values.insert(name, args[++i]);
            } else {
                parsed.error = u"オプション --%1 には値が必要です。"_s.arg(name);
                return parsed;
            }
        } else if (flagOptions.contains(name) && eq < 0) {
            parsed.flags.insert(name);
        } else {
            parsed.error = u"%1 というオプションはありません。"_s.arg(arg);
            return parsed;
        }
    }
    return parsed;
}

bool wantsHelp(const QStringList &args) {
    return args.contains(u"--help"_s) || args.contains(u"-h"_s);
}

} // namespace mirune::cli
