#include "frm_wiz2.h"

namespace mirune::ui {

frmWiz2::frmWiz2(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmWiz2"));
}

} // namespace mirune::ui
