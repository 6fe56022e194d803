#pragma once

#include <QtGlobal>

namespace mirune {

// Flags are 16-bit integers as the data file and the state have always kept them: True is -1,
// False is 0, and only -1 counts as True where a flag is tested.
using Flag = qint16;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

constexpr bool isTrue(Flag f) {
    return f == kTrue;
}
constexpr Flag toFlag(bool b) {
    return b ? kTrue : kFalse;
}

} // namespace mirune
