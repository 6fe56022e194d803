#pragma once

#include "dialogs.h"

namespace mirune::ui {

// The common dialogs as Qt's own: QMessageBox, QFileDialog, QPageSetupDialog, QPrintDialog and
// QPrintPreviewDialog.
class QtDialogs final : public Dialogs {
  public:
    Answer message(QWidget *parent, MessageKind kind, const QString &title,
                   const QString &text) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    bool pageSetup(QWidget *parent, QPrinter &printer) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void preview(QWidget *parent, QPrinter &printer,
                 const std::function<void(QPrinter *)> &paint) override;
};

} // namespace mirune::ui
