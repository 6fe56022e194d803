#pragma once

namespace mirune::ui {

// The windows' stored positions and design sizes are in twips, 1/1440 inch. A device-independent
// pixel is 1/96 inch, 15 twips.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / 96;

} // namespace mirune::ui
