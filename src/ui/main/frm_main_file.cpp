// The main window's File menu: the save questions, Open, Close, Save, Save As with its backup,
// Exit, and the window placement kept in the settings store.

#include "document/class_document.h"
#include "frm_main.h"
#include "storage/settings_store.h"
#include "ui/common/dialogs.h"
#include "ui/common/twips.h"
#include "ui/common/window_placement.h"
#include "ui/common/windows.h"
#include "ui/wizard/frm_wiz2.h"
#include "week_grid.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// The window's design size in twips.
constexpr int kDesignWidth = 13500;
constexpr int kDesignHeight = 9495;

// Lessons entered for days not registered live with the open year only: the save question says
// which days would lose them, and offers to stay so that they can be registered.
const QString kEnteredNotSaved =
    u"\n\n%1 に入力した授業は、まだ登録していないため保存されません。"
    u"「はい」でも「いいえ」でも失われます。登録するときは「キャンセル」を押して、"
    u"その日の［登録］を押してください。"_s;

} // namespace

bool frmMain::askToSave(const QString &question) {
    if (m_ui.state.intYear == 0)
        return true;
    const QList<QDate> entered = m_ui.document.enteredDays();
    const Dialogs::Answer answer =
        entered.isEmpty()
            ? m_ui.dialogs.message(this, MessageKind::YesNo, caption(), question)
            : m_ui.dialogs.message(this, MessageKind::YesNoCancel, caption(),
                                   question + kEnteredNotSaved.arg(daysText(entered)));
    if (answer == Dialogs::Answer::No) {
        // The teacher lets the changes go: nothing is left to recover.
        m_ui.document.discardUnsavedWork();
        return true;
    }
    if (answer != Dialogs::Answer::Yes)
        return false;
    // A cancelled save dialog or a failed save keeps the plan and the program: a year of
    // records must not be lost on the way out.
    return m_ui.state.strFileName.isEmpty() || m_ui.document.isReadOnly() ? fileSaveAs()
                                                                          : fileSave();
}

bool frmMain::showSaveResult(const SaveResult &result) {
    if (result.status == SaveResult::Status::NothingToSave) {
        m_ui.dialogs.message(this, MessageKind::Information, caption(), result.message);
        return false;
    }
    if (!result.ok())
        m_ui.dialogs.message(this, MessageKind::Critical, caption(), result.message);
    return result.ok();
}

bool frmMain::fileNew() {
    if (!fileClose())
        return false;
    // A new plan: one left unsaved by a run that did not end normally is offered first.
    if (offerRecovery() != Recovery::Restored)
        m_ui.windows.open<frmWiz2>();
    return true;
}

bool frmMain::fileOpen() {
    const QString path = m_ui.dialogs.openFileName(this, u"開く"_s, dataFileFilter());
    if (path.isEmpty())
        return false;
    return openPath(path);
}

bool frmMain::openPath(const QString &path) {
    return openDataFile(m_ui, this, caption(), path) == OpenOutcome::Opened;
}

frmMain::Recovery frmMain::offerRecovery(const QString &dataFile) {
    return offerWaitingCopy(m_ui, this, caption(), dataFile);
}

bool frmMain::fileClose() {
    if (!askToSave(u"閉じる前にファイルを保存しますか。"_s))
        return false;
    m_ui.document.close();
    if (m_ui.state.intYear != 0)
        showWeekOf(QDate(m_ui.state.intYear, 4, 1));
    return true;
}

bool frmMain::fileSave() {
    // A file opened read-only is another program's to write: saving asks for a name.
    if (m_ui.document.isReadOnly())
        return fileSaveAs();
    return showSaveResult(m_ui.document.save());
}

bool frmMain::fileSaveAs() {
    const QString path =
        m_ui.dialogs.saveFileName(this, u"ファイル名を付けて保存"_s, dataFileFilter());
    if (path.isEmpty())
        return false;
    return showSaveResult(m_ui.document.saveAs(path));
}

bool frmMain::fileExit() {
    if (!askToSave(u"終了前にファイルを保存しますか。"_s))
        return false;
    m_exitConfirmed = true; // the question is not asked again as the window closes
    close();
    return true;
}

void frmMain::closeEvent(QCloseEvent *event) {
    if (!m_exitConfirmed && !askToSave(u"終了前にファイルを保存しますか。"_s)) {
        event->ignore();
        return;
    }
    m_exitConfirmed = true;
    closeOtherWindows();
    storePlacement();
    event->accept();
}

void frmMain::closeOtherWindows() {
    std::vector<QWidget *> windows = m_ui.windows.openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it != this)
            (*it)->close();
}

void frmMain::restorePlacement() {
    const std::unique_ptr<QSettings> store = openSettingsStore();
    const MainPlacement placement = readMainPlacement(*store);
    const QSize design(kDesignWidth / kTwipsPerPixel, kDesignHeight / kTwipsPerPixel);
    resize(design.expandedTo(sizeHint()));
    const QPoint stored(placement.left / kTwipsPerPixel, placement.top / kTwipsPerPixel);
    // A position stored for a monitor that is gone, or pushed past an edge, would leave the
    // window out of reach: it is kept on a screen that is there now.
    QList<QRect> screens;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    const QPoint topLeft = fncPlacedTopLeft(QRect(stored, size()), screens);
    move(topLeft);
}

void frmMain::storePlacement() {
    // A minimized window keeps the placement stored before.
    if (isMinimized())
        return;
    const QRect frame = frameGeometry();
    const std::unique_ptr<QSettings> store = openSettingsStore();
    writeMainPlacement(*store, {frame.x() * kTwipsPerPixel, frame.y() * kTwipsPerPixel,
                                frame.width() * kTwipsPerPixel, frame.height() * kTwipsPerPixel});
}

} // namespace mirune::ui
