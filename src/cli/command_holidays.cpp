#include "cli_support.h"
#include "commands.h"
#include "model/holiday_law.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

// The national holidays of one school year by the law, as the holiday calendar page names them.
int runHolidays(const QStringList &args) {
    const QString command = u"holidays"_s;
    const ParsedArgs parsed = parseArgs(args, {u"year"_s}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (!parsed.positional.isEmpty())
        return usageError(
            command,
            u"holidays はファイルなどの引数を取りません。--year だけを指定してください。"_s);
    if (!parsed.has(u"year"_s))
        return usageError(command, u"--year で年度を指定してください。"_s);
    bool ok = false;
    const int year = parsed.value(u"year"_s).toInt(&ok);
    if (!ok || year < kFirstLawYear || year > kLastLawYear)
        return usageError(command,
                          u"--year には %1～%2 の年度を指定してください。"_s.arg(kFirstLawYear)
                              .arg(kLastLawYear));

    for (const LawHoliday &h : fncLawHolidays(year))
        out() << h.date.toString(Qt::ISODate) << u' ' << h.name << u'\n';
    return kExitOk;
}

} // namespace mirune::cli
