#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>

class QTextBrowser;

namespace mirune::ui {

// The program's own help, in Japanese, bundled with the program: setting up a year, recording,
// the hours summary, printing and the data file, shown in a window beside the others.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(UiContext &ui, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }

  private:
    QTextBrowser *m_browser = nullptr;
};

} // namespace mirune::ui
