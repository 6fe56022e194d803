#include "cli_support.h"
#include "commands.h"
#include "model/standard_hours.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

void writeText(const StandardHours &standard) {
    out() << standard.year << u"年度 "_s << standard.grade << u"年 標準授業時数（"_s
          << standard.curriculum << u"年告示の学習指導要領"_s
          << (standard.transition ? u"、移行期間"_s : QString()) << u"）\n"_s;
    for (HourField f : baseFields())
        if (standard.hoursOf(f) > 0)
            out() << subjectInfo(f).summaryName << u'\t' << standard.hoursOf(f) << u'\n';
    out() << u"総授業時数\t"_s << standard.total() << u'\n';
}

// Every key is an ASCII field name and the curriculum is digits, so nothing needs escaping.
void writeJson(const StandardHours &standard) {
    QStringList hours;
    for (HourField f : baseFields())
        if (standard.hoursOf(f) > 0)
            hours += u"\"%1\":%2"_s.arg(QString::fromLatin1(subjectInfo(f).fieldName))
                         .arg(standard.hoursOf(f));
    out() << u"{\"year\":"_s << standard.year << u",\"grade\":"_s << standard.grade
          << u",\"curriculum\":\""_s << standard.curriculum << u"\",\"transition\":"_s
          << (standard.transition ? u"true"_s : u"false"_s) << u",\"hours\":{"_s << hours.join(u',')
          << u"},\"total\":"_s << standard.total() << u"}\n"_s;
}

} // namespace

// The standard lesson hours of a school year and grade, in lesson hours of 45 minutes.
int runStandardHours(const QStringList &args) {
    const QString command = u"standard-hours"_s;
    const ParsedArgs parsed = parseArgs(args, {u"year"_s, u"grade"_s, u"format"_s}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (!parsed.positional.isEmpty())
        return usageError(command, u"ファイルは指定しません：--year と --grade だけです。"_s);
    bool yearOk = false;
    const int year = parsed.value(u"year"_s).toInt(&yearOk);
    if (!yearOk || year < kFirstStandardHoursYear || year > 9998)
        return usageError(command, u"--year には %1～9998 の年度を指定してください。"_s.arg(
                                       kFirstStandardHoursYear));
    bool gradeOk = false;
    const int grade = parsed.value(u"grade"_s).toInt(&gradeOk);
    if (!gradeOk || grade < 1 || grade > 6)
        return usageError(command, u"--grade には 1～6 の整数を指定してください。"_s);
    const QString format = parsed.value(u"format"_s, u"text"_s);
    if (format != u"text"_s && format != u"json"_s)
        return usageError(command, u"--format には text か json を指定してください。"_s);

    const auto standard = fncStandardHours(year, grade);
    if (format == u"json"_s)
        writeJson(*standard);
    else
        writeText(*standard);
    return kExitOk;
}

} // namespace mirune::cli
