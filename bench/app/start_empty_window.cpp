// The baseline of the start-up measurement: an empty Qt Widgets window, shown and painted once.

#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QuitAfterFirstPaint quit;
    app.installEventFilter(&quit);
    QWidget window;
    quit.watch(&window);
    window.resize(900, 633);
    window.show();
    return app.exec();
}
