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
class StateEvents;
class Windows;

// What every window is built from: the one application state, the dialogs to ask through, the
// change notices, the other windows, the printer whose page set-up holds for the session, and
// the document that owns the state's file, saved state, undo steps and recovery copy.
// The entry routine owns all of them; a test builds its own set.
struct UiContext {
    AppState &state;
    Dialogs &dialogs;
    StateEvents &events;
    Windows &windows;
    SessionPrinter &printer;
    ClassDocument &document;
    // Today's date; a test fixes it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

} // namespace mirune::ui
