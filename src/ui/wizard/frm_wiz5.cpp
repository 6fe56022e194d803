#include "frm_wiz5.h"

namespace mirune::ui {

frmWiz5::frmWiz5(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmWiz5"));
}

} // namespace mirune::ui
