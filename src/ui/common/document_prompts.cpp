#include "document_prompts.h"

#include "dialogs.h"
#include "document/class_document.h"
#include "ui_context.h"

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kOpenReadOnly = u"\n読み取り専用で開きますか。"
                              u"（保存するときは［名前を付けて保存］で別の名前を付けます。）"_s;
const QString kOfferRestore = u"前回、保存されずに終了した内容があります。復元しますか。"_s;
const QString kFileChangedSince =
    u"\n（その後、データファイルはほかのプログラムなどで書き換えられています。"
    u"復元すると、データファイルの今の内容ではなく、前回の内容になります。）"_s;
const QString kConfirmDiscard = u"前回の保存されなかった内容を削除します。よろしいですか。"
                                u"（「いいえ」を押すと、別の名前のファイルにして残します。）"_s;
const QString kKeptAs = u"前回の保存されなかった内容を次のファイルに残しました。"
                        u"［ﾌｧｲﾙ］の［開く］で開くことができます。\n%1"_s;
const QString kSetAside = u"前回の保存されなかった内容を読むことができませんでした。"
                          u"消さずに次の場所へ移しました。\n%1\n%2"_s;
const QString kNotMoved = u"前回の保存されなかった内容を読むことができませんでした。"
                          u"次の場所にそのまま残っています。\n%1\n%2"_s;
const QString kNotKept = u"前回の保存されなかった内容を別の名前にできませんでした。"
                         u"次の場所にそのまま残っています。\n%1"_s;

} // namespace

OpenOutcome openDataFile(UiContext &ui, QWidget *parent, const QString &title,
                         const QString &path) {
    ClassDocument &document = ui.document;
    ClassDocument::OpenResult result = document.open(path);
    if (result.status == ClassDocument::OpenStatus::HeldElsewhere) {
        if (ui.dialogs.message(parent, MessageKind::YesNo, title, result.message + kOpenReadOnly) !=
            Dialogs::Answer::Yes)
            return OpenOutcome::Cancelled;
        result = document.open(path, true);
    }
    if (!result.ok()) {
        ui.dialogs.message(parent, MessageKind::Critical, title, result.message);
        return OpenOutcome::Failed;
    }
    offerWaitingCopy(ui, parent, title);
    return OpenOutcome::Opened;
}

RecoveryOutcome offerWaitingCopy(UiContext &ui, QWidget *parent, const QString &title,
                                 const QString &dataFile) {
    ClassDocument &document = ui.document;
    const QString target = dataFile.isEmpty() ? document.fileName() : dataFile;
    const std::optional<ClassDocument::WaitingCopy> copy =
        dataFile.isEmpty() ? document.waitingCopy() : document.waitingCopyOf(dataFile);
    if (!copy)
        return RecoveryOutcome::None;
    const QString question =
        kOfferRestore + (copy->fileChangedSince ? kFileChangedSince : QString());
    if (ui.dialogs.message(parent, MessageKind::YesNo, title, question) != Dialogs::Answer::Yes) {
        if (ui.dialogs.message(parent, MessageKind::YesNo, title, kConfirmDiscard) ==
            Dialogs::Answer::Yes) {
            document.deleteCopy(*copy);
        } else if (const QString kept = document.keepCopyAside(*copy); !kept.isEmpty()) {
            ui.dialogs.message(parent, MessageKind::Information, title, kKeptAs.arg(kept));
        } else {
            ui.dialogs.message(parent, MessageKind::Warning, title, kNotKept.arg(copy->path));
        }
        return RecoveryOutcome::Declined;
    }
    const RecoveryLoadResult loaded = document.restoreCopy(*copy, target);
    if (!loaded.ok()) {
        ui.dialogs.message(parent, MessageKind::Warning, title,
                           loaded.keptAside.isEmpty()
                               ? kNotMoved.arg(copy->path, loaded.load.message)
                               : kSetAside.arg(loaded.keptAside, loaded.load.message));
        return RecoveryOutcome::SetAside;
    }
    return RecoveryOutcome::Restored;
}

} // namespace mirune::ui
