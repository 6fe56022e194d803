// mirune-cli: headless commands on data files, for scripts and the school's records office.

#include "cli_support.h"
#include "commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace mirune::cli;

namespace {

struct Command {
    QString name;
    std::function<int(const QStringList &)> run;
    QString usage; // first line: the synopsis; then what it does
};

const QList<Command> &commandTable() {
    static const QList<Command> table = {
        {u"new"_s, runNew,
         u"mirune-cli new FILE --year Y [--grade G] [--class C] [--teacher NAME] [--force]\n"
         "  Writes a new plan for school year Y (1 April Y to 31 March Y+1) as the class page\n"
         "  stores it with its initial vacation days: spring break to 4 April, summer 20 July\n"
         "  to 31 August, winter 25 December to 7 January, spring vacation from 19 March,\n"
         "  equinoxes 23 September and 20 March; the national holidays; empty plans and\n"
         "  timetables; no registered days. G is 1..6 (default 1). Refuses to replace an\n"
         "  existing FILE unless --force."_s},
        {u"info"_s, runInfo,
         u"mirune-cli info FILE\n"
         "  Prints the class line as the main window's status bar shows it, then the number\n"
         "  of special holidays (the 14 national holidays included), of registered days\n"
         "  (withdrawn ones not included) and of withdrawn days."_s},
        {u"schooldays"_s, runSchooldays,
         u"mirune-cli schooldays FILE [--list]\n"
         "  Prints the school days of terms 1, 2, 3 (April-July, August-December,\n"
         "  January-March) and of the year, as the holiday calendar page counts them.\n"
         "  --list prints instead one line per date of the school year:\n"
         "  YYYY-MM-DD, a space, and 'school' or 'holiday'."_s},
        {u"summary"_s, runSummary,
         u"mirune-cli summary FILE [--term 1|2|3] [--format text|csv|json]\n"
         "  Prints the hours summary as the summary window computes it: for each of the 21\n"
         "  rows, plan, actual and difference for the term (default 1) and for the year.\n"
         "  text and csv show hours as H.R (whole 45-minute lessons, a point, 15-minute\n"
         "  units 0..2); json gives unit counts (15 minutes each) keyed by field name:\n"
         "  {\"year\",\"grade\",\"class\",\"teacher\",\"terms\":[{\"plan\",\"actual\"} x3],\n"
         "   \"plan\",\"actual\"}."_s},
        {u"resave"_s, runResave,
         u"mirune-cli resave IN OUT\n"
         "  Reads the data file IN and writes it to OUT as Save does."_s},
        {u"print"_s, runPrint,
         u"mirune-cli print FILE --sheet SHEET -o OUT.pdf [--paper A4|B4|A3]\n"
         "  Draws printed sheets of the data file into a PDF file, as the print window prints\n"
         "  them. SHEET is one of year, term1-chart, term1-total, term2-chart, term2-total,\n"
         "  term3-chart, term3-total, week-a, week-b (the nine sheets in the print window's\n"
         "  order), or all (the nine sheets as nine pages of one PDF, each in its own\n"
         "  orientation). --paper A4 (default), B4 (JIS B4, 257 x 364 mm) or A3: the sheets\n"
         "  keep their size and position on larger paper, nothing is scaled. Needs the IPA\n"
         "  fonts (Debian package fonts-ipafont). A file without a school year is refused\n"
         "  with \"印刷するデータがありません。\". OUT.pdf is replaced only when the whole\n"
         "  document was written."_s},
    };
    return table;
}

void printOverview(QTextStream &stream) {
    stream
        << u"mirune-cli: commands on ミルネ2002 data files (.zr2)\n\n"_s
        << u"Usage: mirune-cli COMMAND [ARGS]   (mirune-cli COMMAND --help for one command)\n\n"_s;
    for (const Command &c : commandTable())
        stream << c.usage << u"\n\n"_s;
    stream << u"Messages go to stderr. Exit status: 0 success, 1 a file cannot be read or\n"
              "written, 2 a usage error.\n"_s;
    stream.flush();
}

// Qt's note that the offscreen platform has no runtime folder says nothing about the command's
// work; everything else Qt reports still reaches stderr.
void quietMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtWarningMsg && text.startsWith(u"QStandardPaths: "_s))
        return;
    err() << qFormatLogMessage(type, context, text) << Qt::endl;
}

} // namespace

int main(int argc, char **argv) {
    qInstallMessageHandler(quietMessageHandler);
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    // Only printing needs fonts and a paint device; it never shows a window.
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (printing)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printOverview(err());
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == u"--help"_s || name == u"-h"_s || name == u"help"_s) {
        printOverview(out());
        return kExitOk;
    }
    for (const Command &c : commandTable()) {
        if (c.name != name)
            continue;
        if (wantsHelp(args)) {
            out() << c.usage << Qt::endl;
            return kExitOk;
        }
        return c.run(args);
    }
    err() << u"mirune-cli: unknown command '"_s << name << u"'. Try 'mirune-cli --help'."_s
          << Qt::endl;
    return kExitUsage;
}
