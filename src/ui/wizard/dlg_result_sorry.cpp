#include "dlg_result_sorry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

dlgResultSorry::dlgResultSorry(UiContext &, QWidget *parent) : QDialog(parent) {
    setObjectName(u"dlgResultSorry"_s);
    setWindowTitle(u"ごめんなさい"_s);
    setModal(false);

    lblResultSorry = new QLabel(
        u"選んだ日は、実績が登録されています。休日にすることはできません。休日にするときは、実績登録画面で実績取消しをして、もう一度この画面で休日に選んでください。"_s,
        this);
    lblResultSorry->setObjectName(u"lblResultSorry"_s);
    lblResultSorry->setWordWrap(true);
    // Thirty characters a line: the three sentences read in three lines, not a tall column.
    lblResultSorry->setMinimumWidth(lblResultSorry->fontMetrics().horizontalAdvance(u'あ') * 30);
    OKButton = new QPushButton(u"OK"_s, this);
    OKButton->setObjectName(u"OKButton"_s);
    OKButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblResultSorry);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &QWidget::hide);
    OKButton->setFocus();
}

} // namespace mirune::ui
