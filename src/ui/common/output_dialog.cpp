#include "output_dialog.h"

#include "dialogs.h"

#include <QFileInfo>

namespace mirune::ui {

using namespace Qt::StringLiterals;

OutputChoice fncChooseOutputPath(Dialogs &dialogs, QWidget *parent, const QString &title,
                                 const QString &filter, OutputFormat format,
                                 const QString &openDataFile) {
    QString path = dialogs.saveFileName(parent, title, filter);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + outputFormatInfo(format).extension.toString();
    const QStringList inputs = openDataFile.isEmpty() ? QStringList() : QStringList{openDataFile};
    const OutputVerdict verdict = fncOutputVerdict({path, format, inputs, OutputAsker::Window});
    switch (verdict.answer) {
    case OutputVerdict::Answer::Write:
        return {verdict.path};
    case OutputVerdict::Answer::Confirm:
        if (dialogs.message(parent, MessageKind::YesNo, title, verdict.message) ==
            Dialogs::Answer::Yes)
            return {verdict.path};
        return {};
    case OutputVerdict::Answer::Refuse:
        break;
    }
    dialogs.message(parent, MessageKind::Warning, title, verdict.message);
    return {QString(), true};
}

} // namespace mirune::ui
