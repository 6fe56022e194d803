#pragma once

#include <Qt>

namespace mirune::ui {

// What a key pressed in a box of the annual plan page does.
enum class PlanKeyAction {
    Move,  // the focus goes to another box
    Type,  // the key types as usual: a digit or the point
    Pass,  // the key is the keyboard's own: Tab and the modifiers alone
    Reset, // any other key: the box becomes "0" first, then the key has its usual effect
};

// The action of a key in a box.
PlanKeyAction planKeyAction(int key);

// The box the focus moves to for a moving key, from box `index` of the base column (17 boxes,
// one per row) or of the term boxes (three per row, row after row). The arrows and Enter wrap
// round at either end; Up and Down keep the term column.
int planKeyTarget(int key, int index, int boxes, int columns);

} // namespace mirune::ui
