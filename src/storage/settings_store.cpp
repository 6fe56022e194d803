#include "settings_store.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"Settings"_s;

int readTwips(QSettings &store, const QString &key, int fallback) {
    bool ok = false;
    const int value = store.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

std::unique_ptr<QSettings> openSettingsStore() {
    // An organization name is needed: without one Qt cannot find a place for the store.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, u"mirune"_s,
                                       u"ミルネ2002"_s);
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
