#include "help_window.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(UiContext &, QWidget *parent) : QWidget(parent) {
    setObjectName(u"frmHelp"_s);
    setWindowTitle(u"ミルネ2002 ﾍﾙﾌﾟ"_s);
    auto *layout = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"txtHelp"_s);
    m_browser->setAccessibleName(u"ヘルプの本文"_s);
    m_browser->setOpenLinks(true);
    m_browser->setSource(QUrl(u"qrc:/help/index.html"_s));
    layout->addWidget(m_browser);
    auto *closeButton = new QPushButton(u"閉じる"_s, this);
    closeButton->setObjectName(u"cmdHelpClose"_s);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
    resize(640, 720);
}

} // namespace mirune::ui
