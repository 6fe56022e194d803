#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace mirune::ui {

// How a message box looks and which buttons it offers.
enum class MessageKind {
    Information, // OK, information icon
    Warning,     // OK, warning icon
    Critical,    // OK, error icon
    YesNo,       // question icon
    YesNoCancel, // question icon
};

// The file filter of both data file dialogs, as Qt writes it.
inline const QString &dataFileFilter() {
    static const QString filter = QStringLiteral(u"「ミルネ2002」のﾌｧｲﾙ (*.zr2)");
    return filter;
}

// The common dialogs every window asks through: message boxes, the file dialogs and the printer
// dialogs. The program uses the Qt dialogs; tests answer from a script, so no window ever blocks
// a test on a real dialog.
class Dialogs {
  public:
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget *parent, MessageKind kind, const QString &title,
                           const QString &text) = 0;
    // The chosen path, or an empty text when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption,
                                 const QString &filter) = 0;
    // The chosen path exactly as the user gave it (no extension added, no overwrite question),
    // or an empty text when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &caption,
                                 const QString &filter) = 0;
    // Page set-up of the printer; false when cancelled.
    virtual bool pageSetup(QWidget *parent, QPrinter &printer) = 0;
    // Printer selection; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // A print preview that draws through `paint` whenever it needs the pages.
    virtual void preview(QWidget *parent, QPrinter &printer,
                         const std::function<void(QPrinter *)> &paint) = 0;
};

} // namespace mirune::ui
