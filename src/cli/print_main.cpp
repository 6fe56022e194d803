// mirune-cli-print: the print command of mirune-cli, in a program of its own because it needs
// the GUI and printing libraries that the other commands do without. mirune-cli runs it with the
// arguments after "print".

#include "cli_support.h"
#include "commands.h"
#include "print/sheet_fonts.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;
using namespace mirune::cli;

int main(int argc, char **argv) {
    installMessageHandler();
#ifdef Q_OS_WIN
    // Windows's own platform needs no display and sees the system's fonts.
    mirune::chooseSheetFontEngine();
#else
    // Printing needs fonts and a paint device; it never shows a window, so it needs no display
    // either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    mirune::loadBundledSheetFonts();
    return finishOutput(u"mirune-cli print"_s, runPrint(QCoreApplication::arguments().mid(1)));
}
