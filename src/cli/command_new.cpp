#include "cli_support.h"
#include "commands.h"
#include "model/class_settings.h"
#include "model/standard_hours.h"
#include "model/term_split.h"
#include "storage/data_file.h"

#include <QFileInfo>

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

bool hasLineBreak(const QString &text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// An equinox day box set by hand: a day of its month (September, or March of the next year).
bool takeEquinoxDay(const ParsedArgs &parsed, const QString &option, int lastDay, int &day) {
    if (!parsed.has(option))
        return true;
    bool ok = false;
    const int value = parsed.value(option).toInt(&ok);
    if (!ok || value < 1 || value > lastDay)
        return false;
    day = value;
    return true;
}

} // namespace

// A new plan as the class page stores it when its day boxes keep their initial texts (the
// equinox boxes at the year's real equinox days unless given): class settings, vacations and
// national holidays, empty plans and timetables, no registered days.
int runNew(const QStringList &args) {
    const QString command = u"new"_s;
    const ParsedArgs parsed = parseArgs(
        args,
        {u"year"_s, u"grade"_s, u"class"_s, u"teacher"_s, u"autumn-equinox"_s, u"spring-equinox"_s},
        {u"force"_s, u"standard-hours"_s});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"作るデータファイル（FILE）を一つ指定してください。"_s);
    if (!parsed.values.contains(u"year"_s))
        return usageError(command, u"--year で年度を指定してください。"_s);

    bool ok = false;
    const int year = parsed.value(u"year"_s).toInt(&ok);
    if (!ok || year < 1900 || year > 9998)
        return usageError(command, u"--year には 1900～9998 の年度を指定してください。"_s);
    const QString gradeText = parsed.value(u"grade"_s);
    if (parsed.has(u"grade"_s) && !fncParseGrade(gradeText))
        return usageError(command, u"--grade には 1～6 の整数を指定してください。"_s);
    const QString classText = parsed.value(u"class"_s);
    const QString teacher = parsed.value(u"teacher"_s);
    if (hasLineBreak(classText) || hasLineBreak(teacher))
        return usageError(command, u"--class と --teacher には改行を含めないでください。"_s);

    VacationDays days = fncInitialVacationDays(year);
    if (!takeEquinoxDay(parsed, u"autumn-equinox"_s, 30, days.autumnEquinoxDay))
        return usageError(command, u"--autumn-equinox には 9月の日（1～30）を指定してください。"_s);
    if (!takeEquinoxDay(parsed, u"spring-equinox"_s, 31, days.springEquinoxDay))
        return usageError(command, u"--spring-equinox には 3月の日（1～31）を指定してください。"_s);

    const QString path = parsed.positional.first();
    DataFileLock lock;
    if (int refused = kExitOk; !lockForWriting(command, path, lock, refused))
        return refused;
    if (QFileInfo::exists(path) && !parsed.flags.contains(u"force"_s))
        return fileError(
            command,
            u"ファイル「%1」はすでにあります。置き換えるには --force を指定してください。"_s.arg(
                path));

    AppState state;
    subInitApp(state);
    subGetClass(state, ClassChoice{year, gradeText, classText, teacher}, nullptr);
    subGetHoliday(state, days);
    if (parsed.flags.contains(u"standard-hours"_s)) {
        if (!subFillBasePlanFromStandard(state))
            return usageError(
                command, u"%1年度には標準授業時数の表がありません（%2年度から）。"_s.arg(year).arg(
                             kFirstStandardHoursYear));
        // A plan the summaries can measure against at once: the base shared out over the
        // terms, as 学期に配分 does.
        subSplitBasePlanOverTerms(state);
    }
    state.strFileName = path;
    const SaveResult saved = subSaveFile(state);
    if (!saved.ok())
        return fileError(command, saved.message);
    return kExitOk;
}

} // namespace mirune::cli
