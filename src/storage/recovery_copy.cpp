#include "recovery_copy.h"

#include "whole_file_write.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

const QString kNewPlanName = u"新しい計画"_s;
const QString kFolder = u"recovery"_s;
const QString kSuffix = u".zr2"_s;
const QString kReadOnlyMark = u"-読み取り専用"_s;
// A copy kept at the teacher's word, beside the data file: its name, the date and time.
const QString kKeptName = u"%1-前回の内容-%2.zr2"_s;
const QString kNoFolder = u"回復用のコピーを置くフォルダ「%1」を作れません。"_s;

QString recoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u'/' + kFolder;
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString fncRecoveryCopyPath(const QString &dataFileName, bool readOnly) {
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
    return recoveryFolder() + u'/' + base + u'-' + QString::fromLatin1(hash) +
           (readOnly ? kReadOnlyMark : QString()) + kSuffix;
}

QStringList fncNewPlanCopyPaths() {
    const QDir folder(recoveryFolder());
    QFileInfoList found;
    for (const QFileInfo &info :
         folder.entryInfoList({kNewPlanName + u"*"_s + kSuffix}, QDir::Files)) {
        // 新しい計画.zr2 and 新しい計画-N.zr2 only: a copy kept aside has a name of its own.
        const QString middle = info.completeBaseName().mid(kNewPlanName.size());
        bool number = middle.isEmpty();
        if (!number && middle.startsWith(u'-'))
            middle.mid(1).toInt(&number);
        if (number)
            found.append(info);
    }
    std::stable_sort(found.begin(), found.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    QStringList paths;
    for (const QFileInfo &info : found)
        paths.append(info.absoluteFilePath());
    return paths;
}

QString fncUnusedNewPlanCopyPath() {
    QString path = fncRecoveryCopyPath(QString());
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = recoveryFolder() + u'/' + kNewPlanName + u'-' + QString::number(n) + kSuffix;
    return path;
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
    return subWriteRecoveryBytes(fncRecoveryCopyPath(state.strFileName), encoded.bytes);
}

SaveResult subWriteRecoveryBytes(const QString &copyPath, const QByteArray &bytes) {
    SaveResult result;
    const QString folder = QFileInfo(copyPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        result.status = SaveResult::Status::Failed;
        result.message = kNoFolder.arg(QDir::toNativeSeparators(folder));
        return result;
    }
    const FileWriteResult written = writeWholeFile(copyPath, bytes);
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

QString subKeepRecoveryCopyAsideAt(const QString &copyPath, const QString &dataFileName) {
    // This run's own copies take the copy's name: the one the teacher keeps gets a name of its
    // own.
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s);
    QStringList places;
    if (!dataFileName.isEmpty()) {
        const QFileInfo file(dataFileName);
        places.append(file.dir().filePath(kKeptName.arg(file.completeBaseName(), stamp)));
    }
    const QFileInfo copyInfo(copyPath);
    places.append(copyInfo.dir().filePath(kKeptName.arg(copyInfo.completeBaseName(), stamp)));
    for (const QString &place : places)
        if (!QFile::exists(place) && QFile::rename(copyPath, place))
            return place;
    return {};
}

QString subKeepRecoveryCopyAside(const QString &dataFileName) {
    return subKeepRecoveryCopyAsideAt(fncRecoveryCopyPath(dataFileName), dataFileName);
}

RecoveryCopyCheck fncCheckRecoveryCopyAt(const QString &copyPath, const QString &dataFileName,
                                         const QByteArray &planBytes) {
    RecoveryCopyCheck check;
    const QFileInfo copy(copyPath);
    if (!copy.isFile())
        return check;
    const QFileInfo file(dataFileName);
    if (dataFileName.isEmpty() || !file.isFile()) {
        check.waiting = true;
        return check;
    }
    // Sizes first: a copy of another length cannot hold the same bytes.
    const qint64 size = planBytes.isEmpty() ? file.size() : planBytes.size();
    if (copy.size() == size &&
        fileBytes(copy.absoluteFilePath()) ==
            (planBytes.isEmpty() ? fileBytes(file.absoluteFilePath()) : planBytes)) {
        check.sameAsFile = true;
        return check;
    }
    check.waiting = true;
    check.fileChangedSince = file.lastModified() > copy.lastModified();
    return check;
}

RecoveryCopyCheck fncCheckRecoveryCopy(const QString &dataFileName) {
    return fncCheckRecoveryCopyAt(fncRecoveryCopyPath(dataFileName), dataFileName);
}

bool fncHasPendingRecoveryCopy(const QString &dataFileName) {
    return fncCheckRecoveryCopy(dataFileName).waiting;
}

RecoveryLoadResult subLoadRecoveryCopyAt(const QString &copyPath, const QString &dataFileName,
                                         AppState &state) {
    RecoveryLoadResult result;
    AppState fresh = state;
    fresh.strFileName = copyPath;
    result.load = subLoadFile(fresh);
    if (result.load.ok()) {
        fresh.strFileName = dataFileName;
        state = std::move(fresh);
        return result;
    }
    // Kept beside the other copies under a name that is never offered, for whoever wants to
    // look at it.
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss-zzz"_s);
    const QString aside = copyPath + u".unreadable-"_s + stamp;
    if (QFile::rename(copyPath, aside))
        result.keptAside = aside;
    return result;
}

RecoveryLoadResult subLoadRecoveryCopy(const QString &dataFileName, AppState &state) {
    return subLoadRecoveryCopyAt(fncRecoveryCopyPath(dataFileName), dataFileName, state);
}

} // namespace mirune
