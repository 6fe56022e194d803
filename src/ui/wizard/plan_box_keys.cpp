#include "plan_box_keys.h"

namespace mirune::ui {

PlanKeyAction planKeyAction(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PlanKeyAction::Move;
    case Qt::Key_Period:
        return PlanKeyAction::Type;
    // Moving on with Tab or Shift+Tab must not wipe the box that is left.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return PlanKeyAction::Pass;
    default:
        return key >= Qt::Key_0 && key <= Qt::Key_9 ? PlanKeyAction::Type : PlanKeyAction::Reset;
    }
}

int planKeyTarget(int key, int index, int boxes, int columns) {
    int step = 0;
    switch (key) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Up:
        step = -columns;
        break;
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        step = 1;
        break;
    case Qt::Key_Down:
        step = columns;
        break;
    default:
        return index;
    }
    // Past either end the move comes back in at the other, in the same column.
    return ((index + step) % boxes + boxes) % boxes;
}

int planKeyTarget(int key, int index, int boxes, int columns,
                  const std::function<bool(int box)> &shown) {
    int target = index;
    for (int step = 0; step < boxes; ++step) {
        target = planKeyTarget(key, target, boxes, columns);
        if (target == index || shown(target))
            return target;
    }
    return index;
}

} // namespace mirune::ui
