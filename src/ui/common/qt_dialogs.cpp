#include "qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace mirune::ui {

Dialogs::Answer QtDialogs::message(QWidget *parent, MessageKind kind, const QString &title,
                                   const QString &text) {
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    switch (kind) {
    case MessageKind::Information:
        button = QMessageBox::information(parent, title, text);
        break;
    case MessageKind::Warning:
        button = QMessageBox::warning(parent, title, text);
        break;
    case MessageKind::Critical:
        button = QMessageBox::critical(parent, title, text);
        break;
    case MessageKind::YesNo:
        button = QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::Yes);
        break;
    case MessageKind::YesNoCancel:
        button = QMessageBox::question(parent, title, text,
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                       QMessageBox::Yes);
        break;
    }
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Escape or the close box: OK for a plain message, Cancel for a question.
        return kind == MessageKind::YesNoCancel || kind == MessageKind::YesNo ? Answer::Cancel
                                                                              : Answer::Ok;
    }
}

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter) {
    // The dialog asks nothing about overwriting: Save As keeps the previous file as a backup,
    // and the outputs ask what the output policy asks.
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtDialogs::pageSetup(QWidget *parent, QPrinter &printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(u"ﾍﾟｰｼﾞ設定"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::choosePrinter(QWidget *parent, QPrinter &printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::preview(QWidget *parent, QPrinter &printer,
                        const std::function<void(QPrinter *)> &paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(target); });
    dialog.exec();
}

} // namespace mirune::ui
