#include "frm_main.h"

namespace mirune::ui {

frmMain::frmMain(UiContext &ui, QWidget *parent) : QMainWindow(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmMain"));
}

} // namespace mirune::ui
