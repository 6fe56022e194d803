// The main window's File menu: the save questions, Open, Close, Save, Save As with its backup,
// Exit, and the window placement kept in the settings store.

#include "frm_main.h"
#include "storage/file_commands.h"
#include "storage/settings_store.h"
#include "ui/common/dialogs.h"
#include "ui/common/state_events.h"
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

} // namespace

bool frmMain::askToSave(const QString &question) {
    if (m_ui.state.intYear == 0)
        return true;
    const Dialogs::Answer answer =
        m_ui.dialogs.message(this, MessageKind::YesNo, caption(), question);
    if (answer == Dialogs::Answer::No) {
        // The teacher lets the changes go: nothing is left to recover.
        removeRecoveryCopy();
        return true;
    }
    if (answer != Dialogs::Answer::Yes)
        return false;
    // A cancelled save dialog or a failed save keeps the plan and the program: a year of
    // records must not be lost on the way out.
    return m_ui.state.strFileName.isEmpty() ? fileSaveAs() : fileSave();
}

bool frmMain::showSaveResult(bool ok, const QString &message) {
    if (!ok)
        m_ui.dialogs.message(this, MessageKind::Critical, caption(), message);
    return ok;
}

bool frmMain::fileNew() {
    if (!fileClose())
        return false;
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
    // Read into a copy: a file that fails part way leaves the plan in memory as it was.
    const LoadResult result = subOpenFile(m_ui.state, path);
    if (!result.ok()) {
        m_ui.dialogs.message(this, MessageKind::Critical, caption(), result.message);
        return false;
    }
    emit m_ui.events.stateReplaced();
    emit m_ui.events.fileNameChanged();
    return true;
}

bool frmMain::fileClose() {
    if (!askToSave(u"閉じる前にファイルを保存しますか。"_s))
        return false;
    AppState &state = m_ui.state;
    state.strFileName.clear();
    subInitWeekData(state);
    subInitYearData(state);
    emit m_ui.events.stateReplaced();
    emit m_ui.events.fileNameChanged();
    if (state.intYear != 0)
        showWeekOf(QDate(state.intYear, 4, 1));
    return true;
}

bool frmMain::fileSave() {
    const SaveResult result = subSaveFile(m_ui.state);
    if (result.status == SaveResult::Status::NothingToSave) {
        m_ui.dialogs.message(this, MessageKind::Information, caption(), result.message);
        return false;
    }
    if (!showSaveResult(result.ok(), result.message))
        return false;
    takeStateAsSaved();
    removeRecoveryCopy();
    return true;
}

bool frmMain::fileSaveAs() {
    const QString path =
        m_ui.dialogs.saveFileName(this, u"ファイル名を付けて保存"_s, dataFileFilter());
    if (path.isEmpty())
        return false;
    const SaveResult result = subSaveFileAs(m_ui.state, path);
    if (result.status == SaveResult::Status::NothingToSave) {
        m_ui.dialogs.message(this, MessageKind::Information, caption(), result.message);
        return false;
    }
    if (!showSaveResult(result.ok(), result.message))
        return false;
    takeStateAsSaved();
    removeRecoveryCopy(); // the copy kept under the old name as well
    emit m_ui.events.fileNameChanged();
    return true;
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
