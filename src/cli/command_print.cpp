#include "cli_support.h"
#include "commands.h"
#include "print/pdf_output.h"
#include "print/print_dispatch.h"

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
    const ParsedArgs parsed = parseArgs(args, {u"sheet"_s, u"o"_s, u"paper"_s}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"expected exactly one FILE"_s);

    const QString sheet = parsed.value(u"sheet"_s);
    if (sheet.isEmpty())
        return usageError(command,
                          u"--sheet is required: one of %1"_s.arg(sheetNames().join(u", "_s)));
    QList<int> options;
    if (sheet == u"all"_s) {
        for (int i = 0; i < kPrintOptionCount; ++i)
            options.append(i);
    } else if (const int option = fncPrintOptionIndex(sheet); option >= 0) {
        options.append(option);
    } else {
        return usageError(
            command, u"unknown sheet '%1': one of %2"_s.arg(sheet, sheetNames().join(u", "_s)));
    }

    const QString output = parsed.value(u"o"_s);
    if (output.isEmpty())
        return usageError(command, u"-o OUT.pdf is required"_s);
    const auto paper = fncPaperSize(parsed.value(u"paper"_s, u"A4"_s));
    if (!paper)
        return usageError(command, u"--paper must be A4, B4 or A3"_s);

    // Fonts and PDF output need the GUI application that main starts for this command.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        err() << u"mirune-cli print: no QGuiApplication to draw with"_s << Qt::endl;
        return kExitFileError;
    }

    const QString path = parsed.positional.first();
    AppState state;
    if (!loadState(path, state))
        return kExitFileError;

    const PdfResult result = writeSheetsPdf(state, options, output, *paper);
    if (result.status == PdfResult::Status::NothingToPrint) {
        // A file whose school year was never set: the print window's refusal.
        err() << u"mirune-cli print: "_s << path << u": "_s << result.message << Qt::endl;
        return kExitFileError;
    }
    if (!result.ok()) {
        err() << u"mirune-cli print: "_s << result.message << Qt::endl;
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace mirune::cli
