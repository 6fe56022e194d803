#pragma once

#include <QDate>
#include <functional>

namespace mirune {
struct AppState;
}

namespace mirune::ui {

class Dialogs;
class SessionPrinter;
class StateEvents;
class Windows;

// What every window is built from: the one application state, the dialogs to ask through, the
// change notices, the other windows, and the printer whose page set-up holds for the session.
// The entry routine owns all of them; a test builds its own set.
struct UiContext {
    AppState &state;
    Dialogs &dialogs;
    StateEvents &events;
    Windows &windows;
    SessionPrinter &printer;
    // Today's date; a test fixes it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

} // namespace mirune::ui
