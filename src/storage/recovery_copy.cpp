#include "recovery_copy.h"

#include "whole_file_write.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

const QString kNewPlanName = u"新しい計画"_s;
const QString kFolder = u"recovery"_s;
const QString kSuffix = u".zr2"_s;
// A copy kept at the teacher's word, beside the data file: its name, the date and time.
const QString kKeptName = u"%1-前回の内容-%2.zr2"_s;

QString recoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u'/' + kFolder;
}

} // namespace

QString fncRecoveryCopyPath(const QString &dataFileName) {
    if (dataFileName.isEmpty())
        return recoveryFolder() + u'/' + kNewPlanName + kSuffix;
    const QFileInfo info(dataFileName);
    const QByteArray hash =
        QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(8);
    QString base = info.completeBaseName();
    if (base.isEmpty())
        base = info.fileName();
    return recoveryFolder() + u'/' + base + u'-' + QString::fromLatin1(hash) + kSuffix;
}

SaveResult subWriteRecoveryCopy(const AppState &state) {
    SaveResult result;
    if (state.intYear == 0) {
        result.status = SaveResult::Status::NothingToSave;
        return result;
    }
    const EncodeResult encoded = encodeDataFile(state);
    if (!encoded.error.isEmpty()) {
        result.status = SaveResult::Status::Failed;
        result.message = encoded.error;
        return result;
    }
    QDir().mkpath(recoveryFolder());
    const FileWriteResult written =
        writeWholeFile(fncRecoveryCopyPath(state.strFileName), encoded.bytes);
    if (!written.ok()) {
        result.status = SaveResult::Status::Failed;
        result.errorNumber = written.errorNumber;
        result.message = written.message;
    }
    return result;
}

void subRemoveRecoveryCopy(const QString &dataFileName) {
    QFile::remove(fncRecoveryCopyPath(dataFileName));
}

QString subKeepRecoveryCopyAside(const QString &dataFileName) {
    // This run's own copies take the copy's name: the one the teacher keeps gets a name of its
    // own.
    const QString copy = fncRecoveryCopyPath(dataFileName);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s);
    QStringList places;
    if (!dataFileName.isEmpty()) {
        const QFileInfo file(dataFileName);
        places.append(file.dir().filePath(kKeptName.arg(file.completeBaseName(), stamp)));
    }
    const QFileInfo copyInfo(copy);
    places.append(copyInfo.dir().filePath(kKeptName.arg(copyInfo.completeBaseName(), stamp)));
    for (const QString &place : places)
        if (!QFile::exists(place) && QFile::rename(copy, place))
            return place;
    return {};
}

bool fncHasPendingRecoveryCopy(const QString &dataFileName) {
    const QFileInfo copy(fncRecoveryCopyPath(dataFileName));
    if (!copy.isFile())
        return false;
    if (dataFileName.isEmpty())
        return true;
    const QFileInfo file(dataFileName);
    if (!file.exists())
        return true;
    return copy.lastModified() > file.lastModified();
}

RecoveryLoadResult subLoadRecoveryCopy(const QString &dataFileName, AppState &state) {
    RecoveryLoadResult result;
    const QString path = fncRecoveryCopyPath(dataFileName);
    AppState fresh = state;
    fresh.strFileName = path;
    result.load = subLoadFile(fresh);
    if (result.load.ok()) {
        fresh.strFileName = dataFileName;
        state = std::move(fresh);
        return result;
    }
    // Kept beside the other copies under a name that is never offered, for whoever wants to
    // look at it.
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss-zzz"_s);
    const QString aside = path + u".unreadable-"_s + stamp;
    if (QFile::rename(path, aside))
        result.keptAside = aside;
    return result;
}

} // namespace mirune
