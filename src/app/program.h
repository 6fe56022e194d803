#pragma once

#include "document/class_document.h"
#include "model/app_state.h"
#include "ui/common/qt_dialogs.h"
#include "ui/common/session_printer.h"
#include "ui/common/ui_context.h"
#include "ui/common/windows.h"

#include <QStringList>

namespace mirune::ui {
class frmMain;
}

namespace mirune::app {

// What the program is made of: the one application state, the Qt dialogs, the windows, the
// printer and the document, built in the order start-up needs them.
class Program {
  public:
    // The Qt dialogs, or `dialogs` when given (a test answers from a script).
    explicit Program(ui::Dialogs *dialogs = nullptr);
    // Closes whatever window is still open, without the save question: the windows point at the
    // state and must go before it.
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Start-up: the state is initialised, the main window is made and shown without waiting; its
    // first activation opens the wizard. With a file, the file is opened as Open does instead of
    // starting the wizard (the wizard still opens when the file cannot be read).
    // Before that, a recovery copy left by a run that did not end normally (of the same file,
    // or of a new plan without one) is offered; restored, it takes the file's place.
    ui::frmMain *start(const QString &file = {});

    AppState &state() { return m_state; }
    ClassDocument &document() { return m_document; }

  private:
    AppState m_state;
    ui::QtDialogs m_dialogs;
    ui::Windows m_windows;
    ui::SessionPrinter m_printer;
    ClassDocument m_document{m_state};
    ui::UiContext m_ui;
};

// Application name, organization, version, icon and the Japanese locale.
void setUpApplication();

} // namespace mirune::app
