#pragma once

#include "ui/common/ui_context.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace mirune::ui {

// The refusal window of the holiday calendar page: a day with recorded lessons cannot become a
// holiday. Shown without blocking the page; "OK" only hides it, so the same window comes back
// the next time.
class dlgResultSorry : public QDialog {
    Q_OBJECT
  public:
    explicit dlgResultSorry(UiContext &ui, QWidget *parent = nullptr);

  private:
    QLabel *lblResultSorry = nullptr;
    QPushButton *OKButton = nullptr;
};

} // namespace mirune::ui
