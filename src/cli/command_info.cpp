#include "cli_support.h"
#include "commands.h"
#include "model/class_line.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

int runInfo(const QStringList &args) {
    const QString command = u"info"_s;
    const ParsedArgs parsed = parseArgs(args, {}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"データファイル（FILE）を一つ指定してください。"_s);

    AppState state;
    if (!loadState(command, parsed.positional.first(), state))
        return kExitFileError;

    int registered = 0;
    int withdrawn = 0;
    for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get())
        ++(d->isValidRecord() ? registered : withdrawn);

    out() << fncClassLine(state) << u'\n' << u"special holidays: "_s << state.intSpecialCount
          << u'\n' << u"registered days: "_s << registered << u'\n' << u"withdrawn days: "_s
          << withdrawn << u'\n';
    return kExitOk;
}

} // namespace mirune::cli
