// The program started as `mirune` starts, ended once the main window has painted itself.

#include "first_paint.h"
#include "program.h"
#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    mirune::app::setUpApplication();
    mirune::app::Program program;
    mirune::ui::frmMain *main = program.start(app.arguments().value(1));
    // start() shows the window; it paints once the event loop runs.
    QuitAfterFirstPaint quit;
    main->installEventFilter(&quit);
    return app.exec(); // the program closes its windows as it ends
}
