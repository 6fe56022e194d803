#include "frm_print.h"

namespace mirune::ui {

frmPrint::frmPrint(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmPrint"));
}

} // namespace mirune::ui
