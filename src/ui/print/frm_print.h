#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The print selection window.
class frmPrint : public QWidget {
    Q_OBJECT
  public:
    explicit frmPrint(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
