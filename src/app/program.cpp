#include "program.h"

#include "print/sheet_fonts.h"
#include "ui/main/frm_main.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace mirune::app {

using namespace Qt::StringLiterals;

Program::Program(ui::Dialogs *dialogs)
    : m_ui{m_state, dialogs ? *dialogs : m_dialogs, m_windows, m_printer, m_document} {
    m_windows.attach(m_ui);
}

Program::~Program() {
    m_state.intYear = 0;
    m_windows.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ui::frmMain *Program::start(const QString &file) {
    subInitApp(m_state);
    const QString path = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    m_state.boolFirstActivate = kFalse;
    ui::frmMain *main = m_windows.open<ui::frmMain>();
    // The file opens as File → 開く opens it (its recovery copy offered once it is open); a file
    // that cannot be read still lets its copy be offered, as does a start without a file.
    if (!path.isEmpty() && main->openPath(path))
        return main;
    if (main->offerRecovery(path) == ui::frmMain::Recovery::Restored)
        return main;
    // Without a file, or with one that could not be read (its message was shown): the wizard's
    // first page opens.
    m_state.boolFirstActivate = kTrue;
    main->activated();
    return main;
}

void setUpApplication() {
    QApplication::setOrganizationName(u"mirune"_s);
    QApplication::setApplicationName(u"ミルネ2002"_s);
    // No display name: the platform would add it to every window's caption, and the captions
    // are the windows' own ("ミルネ2002 Ver2.2.4", "時数集計表").
    QApplication::setApplicationVersion(u"2.2.4"_s);
    QApplication::setDesktopFileName(u"mirune"_s);
    // The sheets and the subject icons are drawn in the IPA fonts, which a copy of the program
    // may carry in its own folder.
    loadBundledSheetFonts();
    // The format named: an unnamed one has every image plug-in loaded to guess it.
    QApplication::setWindowIcon(QIcon(QPixmap(u":/app/mirune-64.png"_s, "PNG")));
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // Qt's own texts (はい／いいえ, the file and printer dialogs) in Japanese, where installed.
    auto *translator = new QTranslator(qApp);
    if (translator->load(japanese, u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace mirune::app
