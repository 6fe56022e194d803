#include "file_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mirune {

using namespace Qt::StringLiterals;

QString fncBackupPath(const QString &path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // ".zr2" alone is a name without a stem: keep it whole and add the suffix.
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString folder = path.left(path.size() - name.size());
    return folder + stem + u".bak"_s;
}

bool subMakeBackup(const QString &path) {
    const QString backup = fncBackupPath(path);
    if (QFileInfo(backup).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return false;
    QFile source(path);
    if (!QFileInfo(path).isFile() || !source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    // Through a temporary file: a copy that stops part way must not replace the older backup.
    QSaveFile target(backup);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    if (target.write(bytes) != bytes.size()) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

SaveResult subSaveFileAs(AppState &state, const QString &path) {
    const QString previous = state.strFileName;
    state.strFileName = path;
    if (state.intYear != 0)
        subMakeBackup(path); // a failed backup does not stop the save, as it never has
    SaveResult result = subSaveFile(state);
    if (!result.ok())
        state.strFileName = previous;
    return result;
}

LoadResult subOpenFile(AppState &state, const QString &path, QByteArray *bytesRead) {
    AppState fresh = state;
    fresh.strFileName = path;
    LoadResult result = subLoadFile(fresh, bytesRead);
    if (result.ok())
        state = std::move(fresh);
    return result;
}

} // namespace mirune
