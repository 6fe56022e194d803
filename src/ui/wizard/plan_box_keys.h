#pragma once

#include <Qt>
#include <functional>

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

// The box the focus moves to for a moving key, from box `index` of the base column (one box per
// row) or of the term boxes (three per row, row after row). The arrows and Enter wrap round at
// either end; Up and Down keep the term column.
int planKeyTarget(int key, int index, int boxes, int columns);

// The same, passing over the boxes for which `shown(box)` is false (the rows of a plan that does
// not show them); `index` itself when no other box is shown.
int planKeyTarget(int key, int index, int boxes, int columns,
                  const std::function<bool(int box)> &shown);

} // namespace mirune::ui
