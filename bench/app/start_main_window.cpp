// The program started as `mirune [FILE]` starts, ended once the main window has painted itself.

#include "first_paint.h"
#include "program.h"
#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QuitAfterFirstPaint quit;
    app.installEventFilter(&quit);
    mirune::app::setUpApplication();
    mirune::app::Program program;
    // start() shows the window; it paints once the event loop runs, or at once when opening the
    // file asks something first.
    mirune::ui::frmMain *main = program.start(app.arguments().value(1));
    quit.watch(main);
    return app.exec(); // the program closes its windows as it ends
}
