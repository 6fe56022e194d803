#include "frm_wiz4.h"

namespace mirune::ui {

frmWiz4::frmWiz4(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmWiz4"));
}

} // namespace mirune::ui
