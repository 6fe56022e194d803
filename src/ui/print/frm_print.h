#pragma once

#include "print/print_dispatch.h"
#include "ui/common/ui_context.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mirune::ui {

struct SheetOutputOptions;
struct SheetOutputResult;

// The print selection window: one of the ten sheets, printed after the printer dialog, shown
// in a preview or saved as a PDF. Hiding keeps the chosen sheet for the rest of the session.
class frmPrint : public QWidget {
    Q_OBJECT
  public:
    explicit frmPrint(UiContext &ui, QWidget *parent = nullptr);

    // The selected option, 0..9 top to bottom; -1 when none is.
    int selectedOption() const;

    // What becoming the active window does: the print button takes the focus.
    void activated();

    void cmdPrint_Click();
    void cmdPrintPreview_Click();
    void cmdPrintPdf_Click();

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    // False, after the refusal message, while no class is set up or the sheet fonts are
    // missing.
    bool fncReadyToDraw();
    QString fncSelectedCaption() const;
    void setStatusText(const QString &text);
    void showFailure(const QString &status, const QString &problem);
    void showStatus(const QString &status, const SheetOutputResult &result);
    SheetOutputOptions fncOutputOptions() const;

    UiContext &m_ui;
    std::array<QRadioButton *, kPrintOptionCount> m_optPrint{};
    QButtonGroup *m_printGroup = nullptr;
    QCheckBox *m_chkPrintFit = nullptr;
    QPushButton *m_cmdPrint = nullptr;
    QPushButton *m_cmdPrintPreview = nullptr;
    QPushButton *m_cmdPrintPdf = nullptr;
    QPushButton *m_cmdPrintClose = nullptr;
    QLabel *m_labPrintStatus = nullptr;
};

} // namespace mirune::ui
