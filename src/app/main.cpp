// mirune: the desktop program. `mirune [FILE]` starts with the main window; without FILE the
// wizard's first page opens, with FILE the file is opened as the File menu's Open does.

#include "print/sheet_fonts.h"
#include "program.h"
#include "ui/main/frm_main.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[]) {
    mirune::chooseSheetFontEngine();
    QApplication app(argc, argv);
    mirune::app::setUpApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(u"ミルネ2002: 学級の授業時数の記録と集計"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral(u"FILE"),
                                 QStringLiteral(u"開くデータファイル（.zr2）"),
                                 QStringLiteral(u"[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    mirune::app::Program program;
    mirune::ui::frmMain *main = program.start(files.value(0));
    // The program ends with its main window, whatever other windows are still open.
    QObject::connect(main, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}
