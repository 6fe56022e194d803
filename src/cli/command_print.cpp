#include "by_month.h"
#include "cli_support.h"
#include "commands.h"
#include "print/pdf_output.h"
#include "print/print_dispatch.h"
#include "report/output_policy.h"

#include <QGuiApplication>

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

// The sheet names in the print window's order, then "all".
QStringList sheetNames() {
    QStringList names;
    for (const PrintOption &option : printOptions())
        names.append(option.key.toString());
    names.append(u"all"_s);
    return names;
}

} // namespace

int runPrint(const QStringList &args) {
    const QString command = u"print"_s;
    const ParsedArgs parsed =
        parseArgs(args, {u"sheet"_s, u"o"_s, u"paper"_s, u"date"_s}, {u"force"_s, u"fit"_s});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"データファイル（FILE）を一つ指定してください。"_s);

    const QString sheets = sheetNames().join(u", "_s);
    const QString sheet = parsed.value(u"sheet"_s);
    if (sheet.isEmpty())
        return usageError(command,
                          u"--sheet で用紙を指定してください（%1 のどれか）。"_s.arg(sheets));
    QList<int> options;
    if (sheet == u"all"_s) {
        for (int i = 0; i < kPrintOptionCount; ++i)
            options.append(i);
    } else if (const int option = fncPrintOptionIndex(sheet); option >= 0) {
        options.append(option);
    } else {
        return usageError(command,
                          u"「%1」という用紙はありません（%2 のどれか）。"_s.arg(sheet, sheets));
    }

    const QString output = parsed.value(u"o"_s);
    if (output.isEmpty())
        return usageError(command, u"-o OUT.pdf で出力先を指定してください。"_s);
    const auto paper = fncPaperSize(parsed.value(u"paper"_s, u"A4"_s));
    if (!paper)
        return usageError(command, u"--paper には A4、B4、A3 のどれかを指定してください。"_s);
    // The day the month sheet takes its pace on; the real today unless given.
    QDate today;
    if (parsed.has(u"date"_s)) {
        today = parseIsoDate(parsed.value(u"date"_s));
        if (!today.isValid())
            return usageError(command, u"--date の日付「%1」が正しくありません。"
                                       "YYYY-MM-DD の形の正しい日付で指定してください。"_s.arg(
                                           parsed.value(u"date"_s)));
    }

    // Fonts and PDF output need the GUI application that the print program starts.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fileError(command, u"描画に使う QGuiApplication がありません。"_s);

    // Said before the sheets are drawn rather than after.
    const QString path = parsed.positional.first();
    const OutputVerdict verdict = fncOutputVerdict({output, OutputFormat::Pdf, {path}});
    const bool forced =
        verdict.answer == OutputVerdict::Answer::Confirm && parsed.flags.contains(u"force"_s);
    if (verdict.answer != OutputVerdict::Answer::Write && !forced)
        return fileError(command, verdict.message);

    AppState state;
    if (!loadState(command, path, state))
        return kExitFileError;

    const PaperFit fit{parsed.flags.contains(u"fit"_s)};
    const PdfResult result = writeSheetsPdf(state, options, verdict.path, *paper, fit, today);
    if (result.status == PdfResult::Status::NothingToPrint)
        // A file whose school year was never set: the print window's refusal.
        return fileError(command, u"%1: %2"_s.arg(path, result.message));
    if (!result.ok())
        return fileError(command, result.message);
    // A sheet scaled down to stay whole on the paper is printed, but not as laid out.
    for (const QString &notice : result.notices)
        err() << u"mirune-cli print: "_s << notice << Qt::endl;
    return kExitOk;
}

} // namespace mirune::cli
