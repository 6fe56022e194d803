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
        return usageError(command, u"読み込むファイル（IN）と保存先（OUT）を指定してください。"_s);

    // The file written is locked before anything is read, as every command that writes one.
    DataFileLock outputLock;
    if (int refused = kExitOk; !lockForWriting(command, parsed.positional[1], outputLock, refused))
        return refused;
    AppState state;
    if (!loadState(command, parsed.positional[0], state))
        return kExitFileError;
    state.strFileName = parsed.positional[1];
    const SaveResult saved = subSaveFile(state);
    if (!saved.ok())
        return fileError(command, saved.message);
    return kExitOk;
}

} // namespace mirune::cli
