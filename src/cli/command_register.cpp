#include "cli_support.h"
#include "commands.h"
#include "model/range_registration.h"
#include "model/school_day.h"
#include "storage/data_file.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

QString isoText(const QDate &date) {
    return date.toString(Qt::ISODate);
}

// A date written as YYYY-MM-DD, nothing more and nothing less.
QDate parseDate(const QString &text) {
    if (text.size() != 10)
        return {};
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace

int runRegister(const QStringList &args) {
    const QString command = u"register"_s;
    const ParsedArgs parsed = parseArgs(args, {u"from"_s, u"to"_s, u"timetable"_s}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"データファイル（FILE）を1つ指定してください。"_s);
    if (!parsed.values.contains(u"from"_s) || !parsed.values.contains(u"to"_s))
        return usageError(command, u"--from と --to で最初と最後の日を指定してください。"_s);
    const QString timetableText = parsed.value(u"timetable"_s, u"A"_s);
    if (timetableText != u"A"_s && timetableText != u"B"_s)
        return usageError(command, u"--timetable は A か B で指定してください。"_s);
    const TimetableChoice timetable =
        timetableText == u"B"_s ? TimetableChoice::B : TimetableChoice::A;

    // Everything is checked before the file is read and long before anything is written: a
    // refused command leaves the file as it was.
    const QDate from = parseDate(parsed.value(u"from"_s));
    const QDate to = parseDate(parsed.value(u"to"_s));
    for (const auto &[name, date] : {std::pair{u"--from"_s, from}, std::pair{u"--to"_s, to}}) {
        if (!date.isValid())
            return fileError(command, u"%1 の日付「%2」が正しくありません。"
                                      "YYYY-MM-DD の形の正しい日付で指定してください。"_s.arg(
                                          name, parsed.value(name.mid(2))));
    }
    if (from > to)
        return fileError(command,
                         u"期間が逆になっています：--from %1 が --to %2 より後の日です。"_s.arg(
                             isoText(from), isoText(to)));

    const QString path = parsed.positional[0];
    // The file is read only once this command has it to itself: another command's days, written
    // meanwhile, are then part of what it reads and writes back.
    DataFileLock lock;
    if (int refused = kExitOk; !lockForWriting(command, path, lock, refused))
        return refused;
    AppState state;
    if (!loadState(command, path, state))
        return kExitFileError;
    if (state.intYear == 0)
        return fileError(command, u"%1: 年度が設定されていないため、登録できません。"_s.arg(path));
    const DateRange year = schoolYearRange(state.intYear);
    for (const QDate &date : {from, to}) {
        if (date < year.first || date > year.last)
            return fileError(command, u"%1 は %2年度（%3～%4）の外の日です。"_s.arg(
                                          isoText(date), QString::number(state.intYear),
                                          isoText(year.first), isoText(year.last)));
    }

    const QList<QDate> days = fncDaysToRegister(state, from, to, timetable);
    const qsizetype waiting = fncDaysToRegister(state, from, to).size();
    if (waiting > days.size())
        err() << u"mirune-cli register: 週間時間割 %1 に授業の長さが設定されていない曜日の"
                 "%2日は登録できません。"_s.arg(timetableText)
                     .arg(waiting - days.size())
              << u'\n';
    const int registered = subRegisterDays(state, days, timetable);
    if (registered > 0) {
        state.strFileName = path;
        const SaveResult saved = subSaveFile(state);
        if (!saved.ok())
            return fileError(command, saved.message);
    }
    out() << registered << u'\n';
    return kExitOk;
}

} // namespace mirune::cli
