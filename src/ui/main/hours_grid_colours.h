#pragma once

// The colours both hours grids of the summary window share, by term and by month.

#include <QColor>

namespace mirune::ui {

// A period's figures (a term's, a month's) stand on a pale cyan, the year's on a deeper one.
inline const QColor kPeriodFiguresBackground(230, 255, 255);
inline const QColor kYearFiguresBackground(205, 255, 255);

// A difference from the plan: short in red, ahead in blue, even in black.
inline QColor fncDifferenceColour(int difference) {
    if (difference < 0)
        return QColor(255, 0, 0);
    if (difference > 0)
        return QColor(0, 0, 255);
    return QColor(0, 0, 0);
}

} // namespace mirune::ui
