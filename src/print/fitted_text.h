#pragma once

// Texts that must stay inside what the layout gives them: a figure inside its cell, a title or
// a name inside the frame. What fits is printed exactly as the layout places it; only what
// would run out is moved or made smaller.

#include "page_surface.h"

#include <QString>

namespace mirune {

// The rules left and right of a cell.
struct CellSpan {
    int left;
    int right;
};

// Prints a figure at (x, y) in `size`, the font size in force. A figure that would come
// closer than `inset` to the cell's right rule is moved left to end `inset` before it; one
// that would then come closer than `inset` to the left rule as well is drawn right-aligned in
// the largest whole size that fits between the two, centred on the line of the others. The
// size in force afterwards is `size` again.
void printFigureInCell(PageSurface &surface, int x, int y, const QString &text, int size,
                       CellSpan cell, int inset);

// Sets `size` and prints the text at (x, y); when it would reach past `right` it is drawn in
// the largest whole size, up to its own, that ends there, centred on the line it was meant
// for. The size in force afterwards is `size`.
void printWithinRight(PageSurface &surface, int x, int y, const QString &text, int size, int right);

} // namespace mirune
