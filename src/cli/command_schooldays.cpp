#include "cli_support.h"
#include "commands.h"
#include "model/school_day.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

int runSchooldays(const QStringList &args) {
    const QString command = u"schooldays"_s;
    const ParsedArgs parsed = parseArgs(args, {}, {u"list"_s});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"データファイル（FILE）を一つ指定してください。"_s);

    AppState state;
    if (!loadState(command, parsed.positional.first(), state))
        return kExitFileError;

    if (parsed.flags.contains(u"list"_s)) {
        const DateRange year = schoolYearRange(state.intYear);
        for (QDate d = year.first; d.isValid() && d <= year.last; d = d.addDays(1))
            out() << d.toString(Qt::ISODate) << u' '
                  << (fncIsSchoolDay(state, d) ? u"school"_s : u"holiday"_s) << u'\n';
        return kExitOk;
    }

    const std::array<int, 4> counts = fncCountSchoolDays(state);
    for (int i = 0; i < 4; ++i)
        out() << fncSchoolDaysCaption(i, counts[i]) << u'\n';
    return kExitOk;
}

} // namespace mirune::cli
