#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace mirune {

// The per-user settings store: organization "mirune", application "ミルネ2002", and the main
// window's placement in section "Settings", every value in twips as decimal text.
inline constexpr int kDefaultPlacementTwips = 1000;

struct MainPlacement {
    int left = kDefaultPlacementTwips;
    int top = kDefaultPlacementTwips;
    int width = 0; // 0: none stored
    int height = 0;
};

// The program's settings store. On Windows an INI file, never the registry: ミルネ2002.ini beside
// the program where its folder can be written (a copy unzipped into a folder of the teacher's own
// or carried on a USB stick keeps its settings with it), otherwise in the user's AppData
// (mirune\ミルネ2002.ini). Elsewhere the platform's native place
// (~/.config/mirune/ミルネ2002.conf).
std::unique_ptr<QSettings> openSettingsStore();

// The settings file beside the program in `programFolder`, when a file can be written in that
// folder; empty otherwise.
QString portableSettingsFile(const QString &programFolder);

// The stored placement; a missing or unreadable left or top edge is 1000 twips.
MainPlacement readMainPlacement(QSettings &store);

// Stores the placement under MainLeft, MainTop, MainWidth and MainHeight and writes it out.
// False when the store could not be written.
bool writeMainPlacement(QSettings &store, const MainPlacement &placement);

} // namespace mirune
