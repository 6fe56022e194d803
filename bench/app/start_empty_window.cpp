// The baseline of the start-up measurement: an empty Qt Widgets window, shown and painted once.

#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.resize(900, 633);
    window.show();
    return app.exec();
}
