#include "window_placement.h"

#include <algorithm>

namespace mirune::ui {

namespace {

// The part of the title bar that must be on a screen: its height and the width from the left
// end that holds the window's icon, title and enough room to take it with the mouse.
constexpr int kTitleGripHeight = 32;
constexpr int kTitleGripWidth = 240;

qint64 overlap(const QRect &a, const QRect &b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QPoint fncPlacedTopLeft(const QRect &wanted, const QList<QRect> &screens) {
    if (screens.isEmpty())
        return wanted.topLeft();
    const QRect grip(wanted.topLeft(), QSize(std::min(wanted.width(), kTitleGripWidth),
                                             std::min(wanted.height(), kTitleGripHeight)));
    for (const QRect &screen : screens)
        if (screen.contains(grip))
            return wanted.topLeft();

    QRect target = screens.front();
    qint64 best = 0;
    for (const QRect &screen : screens) {
        if (const qint64 shared = overlap(screen, wanted); shared > best) {
            best = shared;
            target = screen;
        }
    }
    QPoint topLeft = wanted.topLeft();
    const int rightmost = std::max(target.left(), target.right() + 1 - wanted.width());
    const int lowest = std::max(target.top(), target.bottom() + 1 - wanted.height());
    topLeft.setX(std::clamp(topLeft.x(), target.left(), rightmost));
    topLeft.setY(std::clamp(topLeft.y(), target.top(), lowest));
    return topLeft;
}

} // namespace mirune::ui
