#include "frm_disp_time_table.h"

namespace mirune::ui {

frmDispTimeTable::frmDispTimeTable(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"frmDispTimeTable"));
}

} // namespace mirune::ui
