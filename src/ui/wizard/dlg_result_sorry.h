#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The refusal window of the holiday calendar page.
class dlgResultSorry : public QWidget {
    Q_OBJECT
  public:
    explicit dlgResultSorry(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
