#include "frm_wiz3.h"

namespace mirune::ui {

frmWiz3::frmWiz3(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmWiz3"));
}

} // namespace mirune::ui
