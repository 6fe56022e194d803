#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"Settings"_s;
const QString kOrganization = u"mirune"_s;
const QString kApplication = u"ミルネ2002"_s;

int readTwips(QSettings &store, const QString &key, int fallback) {
    bool ok = false;
    const int value = store.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

std::unique_ptr<QSettings> openSettingsStore() {
#ifdef Q_OS_WIN
    // Qt's native format on Windows is the registry, which a school's locked-down PC may keep
    // from the teacher and which a copy on a USB stick would leave behind on every PC.
    const QString portable = portableSettingsFile(QCoreApplication::applicationDirPath());
    if (!portable.isEmpty())
        return std::make_unique<QSettings>(portable, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                                       kApplication);
#else
    // An organization name is needed: without one Qt cannot find a place for the store.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization,
                                       kApplication);
#endif
}

QString portableSettingsFile(const QString &programFolder) {
    const QDir folder(programFolder);
    if (programFolder.isEmpty() || !folder.exists())
        return QString();
    const QString path = folder.filePath(kApplication + u".ini"_s);
    // Asked by trying: a folder's permission bits and attributes do not tell on every system
    // (Program Files is read-only through its access list only).
    if (QFileInfo::exists(path)) {
        QFile existing(path);
        return existing.open(QIODevice::ReadWrite) ? path : QString();
    }
    QTemporaryFile probe(folder.filePath(u"mirune-XXXXXX.tmp"_s));
    return probe.open() ? path : QString();
}

MainPlacement readMainPlacement(QSettings &store) {
    store.beginGroup(kSection);
    MainPlacement placement;
    placement.left = readTwips(store, u"MainLeft"_s, kDefaultPlacementTwips);
    placement.top = readTwips(store, u"MainTop"_s, kDefaultPlacementTwips);
    placement.width = readTwips(store, u"MainWidth"_s, 0);
    placement.height = readTwips(store, u"MainHeight"_s, 0);
    store.endGroup();
    return placement;
}

bool writeMainPlacement(QSettings &store, const MainPlacement &placement) {
    store.beginGroup(kSection);
    store.setValue(u"MainLeft"_s, QString::number(placement.left));
    store.setValue(u"MainTop"_s, QString::number(placement.top));
    store.setValue(u"MainWidth"_s, QString::number(placement.width));
    store.setValue(u"MainHeight"_s, QString::number(placement.height));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace mirune
