#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The wizard's first page: start a new plan or open a data file.
class frmWiz0 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz0(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
