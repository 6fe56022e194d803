#include "frm_wiz0.h"

#include "frm_wiz2.h"
#include "model/app_state.h"
#include "storage/data_file.h"
#include "ui/common/control_array.h"
#include "ui/common/dialogs.h"
#include "ui/common/document_prompts.h"
#include "ui/common/windows.h"
#include "wizard_texts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

frmWiz0::frmWiz0(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmWiz0"_s);
    setWindowTitle(wizard_texts::caption());

    lblWiz0Comment = new QLabel(u"新しい学級と授業の計画をします。"_s, this);
    lblWiz0Comment->setObjectName(u"lblWiz0Comment"_s);
    optWiz0NewOrOld = makeControlArray<QRadioButton, 2>(this, u"optWiz0NewOrOld"_s);
    optWiz0NewOrOld[0]->setText(u"新規作成"_s);
    optWiz0NewOrOld[1]->setText(u"既存のファイル"_s);
    optWiz0NewOrOld[0]->setChecked(true);
    cmdWiz0Next = new QPushButton(wizard_texts::next(), this);
    cmdWiz0Next->setObjectName(u"cmdWiz0Next"_s);
    cmdWiz0Next->setDefault(true);
    Command1 = new QPushButton(wizard_texts::finish(), this);
    Command1->setObjectName(u"Command1"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblWiz0Comment);
    layout->addSpacing(lblWiz0Comment->fontMetrics().height());
    for (QRadioButton *option : optWiz0NewOrOld)
        layout->addWidget(option);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdWiz0Next);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    connect(cmdWiz0Next, &QPushButton::clicked, this, &frmWiz0::next);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    cmdWiz0Next->setFocus();
}

void frmWiz0::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmWiz0::activated() {
    cmdWiz0Next->setFocus();
}

void frmWiz0::next() {
    if (!optWiz0NewOrOld[0]->isChecked()) {
        openExistingFile();
        return;
    }
    // A new plan: one left unsaved by a run that did not end normally is offered first.
    if (offerWaitingCopy(m_ui, this, wizard_texts::appTitle()) == RecoveryOutcome::Restored) {
        close();
        return;
    }
    m_ui.windows.replace<frmWiz2>(this);
}

void frmWiz0::openExistingFile() {
    const QString path = m_ui.dialogs.openFileName(this, u"開く"_s, dataFileFilter());
    if (path.isEmpty())
        return; // cancelled: the page stays
    // Opened as every way of opening opens a file: its lock taken, a waiting recovery copy
    // offered. A file that cannot be read leaves the plan as it was.
    if (openDataFile(m_ui, this, wizard_texts::appTitle(), path) == OpenOutcome::Cancelled)
        return; // another program has it: the page stays
    close();
}

} // namespace mirune::ui
