#include "dlg_result_sorry.h"

namespace mirune::ui {

dlgResultSorry::dlgResultSorry(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(QStringLiteral(u"dlgResultSorry"));
}

} // namespace mirune::ui
