#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The class page: school year, grade, class, teacher and the vacation days.
class frmWiz2 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz2(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
