#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

namespace mirune::ui {

// The weekly timetable page, for timetable A or B.
class frmWiz5 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz5(UiContext &ui, QWidget *parent = nullptr);

  private:
    UiContext &m_ui;
};

} // namespace mirune::ui
