#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace mirune::ui {

// The wizard's first page: start a new plan or open a data file.
class frmWiz0 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz0(UiContext &ui, QWidget *parent = nullptr);

  protected:
    void changeEvent(QEvent *event) override;

  private:
    // The steps each activation runs: the wizard has now been seen, and "次へ" takes the focus.
    void activated();
    void next();
    void openExistingFile();

    UiContext &m_ui;
    std::array<QRadioButton *, 2> optWiz0NewOrOld{};
    QLabel *lblWiz0Comment = nullptr;
    QPushButton *cmdWiz0Next = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace mirune::ui
