#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The holiday calendar page: the teacher's own holidays and the school-day counts.
class frmWiz3 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz3(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
