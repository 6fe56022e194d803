#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The hours summary window.
class frmDispTimeTable : public QWidget {
    Q_OBJECT
  public:
    explicit frmDispTimeTable(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
