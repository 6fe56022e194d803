// The recovery copy: after every change the save question protects, the whole plan is written
// beside the user's data, so that a program killed or a power cut loses nothing; a save or a
// normal exit removes it, and the next start offers what it holds.

#include "frm_main.h"
#include "storage/recovery_copy.h"
#include "ui/common/dialogs.h"
#include "ui/common/state_events.h"

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kOfferRestore = u"前回、保存されずに終了した内容があります。復元しますか。"_s;
const QString kConfirmDiscard = u"前回の保存されなかった内容を削除します。よろしいですか。"
                                u"（「いいえ」を押すと、別の名前のファイルにして残します。）"_s;
const QString kKeptAs = u"前回の保存されなかった内容を次のファイルに残しました。"
                        u"［ﾌｧｲﾙ］の［開く］で開くことができます。\n%1"_s;
const QString kRestored =
    u"前回、保存されずに終了した内容を復元しました。まだ保存されていません。"_s;
const QString kSetAside = u"前回の保存されなかった内容を読むことができませんでした。"
                          u"消さずに次の場所へ移しました。\n%1\n%2"_s;

const QString kNotMoved = u"前回の保存されなかった内容を読むことができませんでした。"
                          u"次の場所にそのまま残っています。\n%1\n%2"_s;

} // namespace

void frmMain::writeRecoveryCopy() {
    if (m_ui.state.intYear == 0)
        return;
    // Back where its file is: nothing to recover.
    if (!m_savedBytes.isEmpty() && m_fingerprint == m_savedBytes) {
        removeRecoveryCopy();
        return;
    }
    // A copy that cannot be written must not stop the teacher's work; the next change tries
    // again, and the file itself is what Save writes.
    subWriteRecoveryCopy(m_ui.state);
    m_recoveryName = m_ui.state.strFileName;
}

void frmMain::removeRecoveryCopy() {
    subRemoveRecoveryCopy(m_ui.state.strFileName);
    if (m_recoveryName != m_ui.state.strFileName)
        subRemoveRecoveryCopy(m_recoveryName);
    m_recoveryName = m_ui.state.strFileName;
}

frmMain::Recovery frmMain::offerRecovery(const QString &dataFile) {
    if (!fncHasPendingRecoveryCopy(dataFile))
        return Recovery::None;
    const Dialogs::Answer answer =
        m_ui.dialogs.message(this, MessageKind::YesNo, caption(), kOfferRestore);
    if (answer != Dialogs::Answer::Yes) {
        if (m_ui.dialogs.message(this, MessageKind::YesNo, caption(), kConfirmDiscard) ==
            Dialogs::Answer::Yes) {
            subRemoveRecoveryCopy(dataFile);
        } else if (const QString kept = subKeepRecoveryCopyAside(dataFile); !kept.isEmpty()) {
            m_ui.dialogs.message(this, MessageKind::Information, caption(), kKeptAs.arg(kept));
        }
        return Recovery::Declined;
    }
    const RecoveryLoadResult loaded = subLoadRecoveryCopy(dataFile, m_ui.state);
    if (!loaded.ok()) {
        m_ui.dialogs.message(this, MessageKind::Warning, caption(),
                             loaded.keptAside.isEmpty()
                                 ? kNotMoved.arg(fncRecoveryCopyPath(dataFile), loaded.load.message)
                                 : kSetAside.arg(loaded.keptAside, loaded.load.message));
        return Recovery::SetAside;
    }
    m_ui.state.strFileName = dataFile;
    m_ui.state.boolFirstActivate = kFalse;
    emit m_ui.events.stateReplaced();
    emit m_ui.events.fileNameChanged();
    // Not what the file holds: the save question and the next change keep it safe.
    m_savedBytes.clear();
    m_recoveryName = dataFile;
    setNote(kRestored);
    return Recovery::Restored;
}

} // namespace mirune::ui
