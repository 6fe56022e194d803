#include "cli_support.h"

#include "storage/data_file.h"

#include <cstdio>

namespace mirune::cli {

using namespace Qt::StringLiterals;

QTextStream &out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err() {
    static QTextStream stream(stderr);
    return stream;
}

int usageError(const QString &command, const QString &message) {
    err() << u"mirune-cli "_s << command << u": "_s << message << Qt::endl
          << u"Try 'mirune-cli "_s << command << u" --help'."_s << Qt::endl;
    return kExitUsage;
}

bool loadState(const QString &path, AppState &state) {
    subInitApp(state);
    state.strFileName = path;
    const LoadResult result = subLoadFile(state);
    if (!result.ok()) {
        err() << u"mirune-cli: "_s << path << u": "_s << result.message << Qt::endl;
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
                parsed.error = u"option --%1 needs a value"_s.arg(name);
                return parsed;
            }
        } else if (flagOptions.contains(name) && eq < 0) {
            parsed.flags.insert(name);
        } else {
            parsed.error = u"unknown option %1"_s.arg(arg);
            return parsed;
        }
    }
    return parsed;
}

bool wantsHelp(const QStringList &args) {
    return args.contains(u"--help"_s) || args.contains(u"-h"_s);
}

} // namespace mirune::cli
