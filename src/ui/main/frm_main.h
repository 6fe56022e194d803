#pragma once

#include "ui/common/ui_context.h"

#include <QMainWindow>

namespace mirune::ui {

// The main window: calendar, week grid, palette and the menus.
class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
