#include "frm_print.h"

#include "model/app_state.h"
#include "print/print_dispatch.h"
#include "print/sheet_fonts.h"
#include "print/sheet_placement.h"
#include "sheet_output.h"
#include "ui/common/control_array.h"
#include "ui/common/dialogs.h"
#include "ui/common/hide_on_close.h"
#include "ui/common/output_dialog.h"
#include "ui/common/session_printer.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

QString messageTitle() {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? u"ミルネ2002"_s : name;
}

} // namespace

frmPrint::frmPrint(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmPrint"_s);
    setWindowTitle(kPrintWindowCaption.toString());

    auto *layout = new QVBoxLayout(this);

    m_optPrint = makeControlArray<QRadioButton, kPrintOptionCount>(this, u"optPrint"_s);
    m_printGroup = new QButtonGroup(this);
    for (int i = 0; i < kPrintOptionCount; ++i) {
        m_optPrint[i]->setText(printOptions()[i].caption.toString());
        m_printGroup->addButton(m_optPrint[i], i);
        // As wide as its caption, so that a click beside it does not choose it.
        layout->addWidget(m_optPrint[i], 0, Qt::AlignLeft);
    }
    m_optPrint[0]->setChecked(true);
    layout->addSpacing(fontMetrics().height() / 2);

    // Off: a sheet keeps its size and is only scaled down when it would not fit the paper.
    m_chkPrintFit = new QCheckBox(kFitToPaperCaption.toString(), this);
    m_chkPrintFit->setObjectName(u"chkPrintFit"_s);
    layout->addWidget(m_chkPrintFit, 0, Qt::AlignLeft);

    m_cmdPrint = new QPushButton(kPrintButtonCaption.toString(), this);
    m_cmdPrint->setObjectName(u"cmdPrint"_s);
    m_cmdPrint->setDefault(true);
    m_cmdPrintPreview = new QPushButton(u"プレビュー"_s, this);
    m_cmdPrintPreview->setObjectName(u"cmdPrintPreview"_s);
    m_cmdPrintPdf = new QPushButton(u"PDF に保存"_s, this);
    m_cmdPrintPdf->setObjectName(u"cmdPrintPdf"_s);
    m_cmdPrintClose = new QPushButton(kPrintCloseCaption.toString(), this);
    m_cmdPrintClose->setObjectName(u"cmdPrintClose"_s);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_cmdPrint);
    buttonRow->addWidget(m_cmdPrintPreview);
    buttonRow->addWidget(m_cmdPrintPdf);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_cmdPrintClose);
    layout->addLayout(buttonRow);

    // What the last command did: printed, saved, cancelled, or why not.
    m_labPrintStatus = new QLabel(this);
    m_labPrintStatus->setObjectName(u"labPrintStatus"_s);
    m_labPrintStatus->setWordWrap(true);
    layout->addWidget(m_labPrintStatus);
    layout->addStretch(1);

    connect(m_cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(m_cmdPrintPreview, &QPushButton::clicked, this, &frmPrint::cmdPrintPreview_Click);
    connect(m_cmdPrintPdf, &QPushButton::clicked, this, &frmPrint::cmdPrintPdf_Click);
    connect(m_cmdPrintClose, &QPushButton::clicked, this, &QWidget::hide);
}

int frmPrint::selectedOption() const {
    return m_printGroup->checkedId();
}

QString frmPrint::fncSelectedCaption() const {
    const int option = selectedOption();
    return option < 0 ? QString() : printOptions()[option].caption.toString();
}

bool frmPrint::fncReadyToDraw() {
    if (m_ui.state.intYear == 0) {
        m_ui.dialogs.message(this, MessageKind::Information, messageTitle(),
                             kNothingToPrintMessage.toString());
        return false;
    }
    if (const QString fontProblem = fncCheckSheetFonts(); !fontProblem.isEmpty()) {
        showFailure(u"印刷できませんでした。"_s, fontProblem);
        return false;
    }
    return selectedOption() >= 0;
}

void frmPrint::cmdPrint_Click() {
    if (!fncReadyToDraw())
        return;
    // Cancelling the printer dialog means the teacher does not want the sheet: nothing goes to
    // the printer.
    if (!m_ui.dialogs.choosePrinter(this, m_ui.printer.get())) {
        setStatusText(u"印刷を取りやめました。"_s);
        return;
    }
    const SheetOutputResult result =
        subPrintSheet(m_ui.state, selectedOption(), m_ui.printer.get(), fncOutputOptions());
    if (!result.ok) {
        showFailure(u"印刷できませんでした。"_s, result.problem);
        return;
    }
    showStatus(u"「%1」を印刷しました。"_s.arg(fncSelectedCaption()), result);
}

void frmPrint::cmdPrintPreview_Click() {
    if (!fncReadyToDraw())
        return;
    const int option = selectedOption();
    const SheetOutputOptions options = fncOutputOptions();
    SheetOutputResult last;
    m_ui.dialogs.preview(this, m_ui.printer.get(),
                         [this, option, options, &last](QPrinter *target) {
                             last = subPrintSheet(m_ui.state, option, *target, options);
                         });
    if (!last.ok) {
        showFailure(u"プレビューを作れませんでした。"_s, last.problem);
        return;
    }
    showStatus(QString(), last);
}

void frmPrint::cmdPrintPdf_Click() {
    if (!fncReadyToDraw())
        return;
    const OutputChoice choice =
        fncChooseOutputPath(m_ui.dialogs, this, u"PDF に保存"_s, u"PDF ファイル (*.pdf)"_s,
                            OutputFormat::Pdf, m_ui.state.strFileName);
    if (choice.refused)
        setStatusText(u"PDF に保存できませんでした。"_s);
    if (choice.path.isEmpty())
        return;
    const QString &path = choice.path;
    const SheetOutputResult result =
        subSaveSheetPdf(m_ui.state, selectedOption(), path, m_ui.printer.get(), fncOutputOptions());
    if (!result.ok) {
        showFailure(u"PDF に保存できませんでした。"_s, result.problem);
        return;
    }
    showStatus(u"「%1」を PDF に保存しました：%2"_s.arg(fncSelectedCaption(), path), result);
}

SheetOutputOptions frmPrint::fncOutputOptions() const {
    // The month sheet takes the pace on the same today as the windows.
    return {m_chkPrintFit->isChecked(), m_ui.today()};
}

void frmPrint::showFailure(const QString &status, const QString &problem) {
    setStatusText(status);
    m_ui.dialogs.message(this, MessageKind::Critical, messageTitle(),
                         problem.isEmpty() ? status : status + u'\n' + problem);
}

void frmPrint::showStatus(const QString &status, const SheetOutputResult &result) {
    QStringList lines;
    if (!status.isEmpty())
        lines << status;
    lines << result.notices;
    setStatusText(lines.join(u'\n'));
}

void frmPrint::setStatusText(const QString &text) {
    m_labPrintStatus->setText(text);
    // A notice may wrap onto more lines than the window has room for: let the window grow.
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : sizeHint().height();
    if (needed > height())
        resize(width(), needed);
}

void frmPrint::activated() {
    m_cmdPrint->setFocus();
}

void frmPrint::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmPrint::closeEvent(QCloseEvent *event) {
    if (hideOnUserClose(this, event))
        return;
    QWidget::closeEvent(event);
}

} // namespace mirune::ui
