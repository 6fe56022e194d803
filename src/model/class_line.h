#pragma once

#include "app_state.h"

#include <QString>

namespace mirune {

// The class line of the main window's status bar: "2004年　3年1組　　担任：" and the teacher.
QString fncClassLine(const AppState &state);

} // namespace mirune
