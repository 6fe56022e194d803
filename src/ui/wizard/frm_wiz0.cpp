#include "frm_wiz0.h"

namespace mirune::ui {

frmWiz0::frmWiz0(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmWiz0"));
}

} // namespace mirune::ui
