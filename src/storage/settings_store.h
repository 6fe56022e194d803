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

// The program's settings store in the platform's native place.
std::unique_ptr<QSettings> openSettingsStore();

// The stored placement; a missing or unreadable left or top edge is 1000 twips.
MainPlacement readMainPlacement(QSettings &store);

// Stores the placement under MainLeft, MainTop, MainWidth and MainHeight and writes it out.
// False when the store could not be written.
bool writeMainPlacement(QSettings &store, const MainPlacement &placement);

} // namespace mirune
