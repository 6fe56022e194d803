#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace mirune::ui {

// Where a window goes whose stored place is `wanted`, given the available areas of the screens
// there now (the primary screen first). The stored place stands while the left end of the
// window's title bar lies on one screen, so the window can be seen and dragged. Otherwise (a
// monitor that is gone, a position pushed past an edge) the window is moved onto the screen it
// overlaps most, or the primary screen, as far inside as its size allows; its size never
// changes.
QPoint fncPlacedTopLeft(const QRect &wanted, const QList<QRect> &screens);

} // namespace mirune::ui
