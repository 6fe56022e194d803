#pragma once

#include <QDate>
#include <functional>

namespace mirune {
struct AppState;
class ClassDocument;
} // namespace mirune

namespace mirune::ui {

class Dialogs;
class SessionPrinter;
class Windows;

// What every window is built from: the one application state, to read; the dialogs to ask
// through; the other windows; the printer whose page set-up holds for the session; and the
// document, the only writer of the state, whose commands every change goes through and whose
// `changed` signal tells the windows what to redraw.
// The entry routine owns all of them; a test builds its own set.
struct UiContext {
    const AppState &state;
    Dialogs &dialogs;
    Windows &windows;
    SessionPrinter &printer;
    ClassDocument &document;
    // Today's date; a test fixes it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

} // namespace mirune::ui
