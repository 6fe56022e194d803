#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The annual lesson plan page.
class frmWiz4 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz4(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
