#include "cli_support.h"
#include "commands.h"
#include "storage/data_file.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

int runResave(const QStringList &args) {
    const QString command = u"resave"_s;
    const ParsedArgs parsed = parseArgs(args, {}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 2)
        return usageError(command, u"expected IN and OUT"_s);

    AppState state;
    if (!loadState(parsed.positional[0], state))
        return kExitFileError;
    state.strFileName = parsed.positional[1];
    const SaveResult saved = subSaveFile(state);
    if (!saved.ok()) {
        err() << u"mirune-cli resave: "_s << saved.message << Qt::endl;
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace mirune::cli
