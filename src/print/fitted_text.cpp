#include "fitted_text.h"

#include <algorithm>

namespace mirune {

namespace {

constexpr int kTwipsPerPoint = 20;

// The top of a text drawn smaller than the line it stands on, so that it is centred on it.
int centredTop(int y, int size, int smaller) {
    return y + (size - smaller) * kTwipsPerPoint / 2;
}

// The largest whole size below `size` in which the text, `width` wide in `size`, is at most
// `room` wide; 1 when none is. Widths grow in proportion to the size, so the guess from the
// proportion is only checked and corrected by a step, never searched for: a long name costs
// two or three measurements. The size found is left in force.
int largestSizeWithin(PageSurface &surface, const QString &text, int size, int width, int room) {
    if (size <= 2) {
        surface.setFontSize(1);
        return 1;
    }
    int smaller = width > 0 ? int(qint64(size) * std::max(room, 0) / width) : size - 1;
    smaller = std::clamp(smaller, 1, size - 1);
    surface.setFontSize(smaller);
    if (surface.textWidth(text) > room) {
        while (smaller > 1 && surface.textWidth(text) > room)
            surface.setFontSize(--smaller);
        return smaller;
    }
    while (smaller + 1 < size) {
        surface.setFontSize(smaller + 1);
        if (surface.textWidth(text) > room)
            break;
        ++smaller;
    }
    surface.setFontSize(smaller);
    return smaller;
}

} // namespace

void printFigureInCell(PageSurface &surface, int x, int y, const QString &text, int size,
                       CellSpan cell, int inset) {
    const int end = cell.right - inset;
    if (x + surface.textWidth(text) <= end) {
        surface.printAt(x, y, text);
        return;
    }
    // Once the figure is aligned on the right, the blanks that pad it to its width have no
    // part left to play.
    qsizetype firstDigit = 0;
    while (firstDigit < text.size() && text[firstDigit] == u' ')
        ++firstDigit;
    const QString figure = text.sliced(firstDigit);
    const int width = surface.textWidth(figure);
    if (end - width >= cell.left + inset) {
        surface.printAt(end - width, y, figure);
        return;
    }
    const int smaller = largestSizeWithin(surface, figure, size, width, end - cell.left - inset);
    surface.printAt(end - surface.textWidth(figure), centredTop(y, size, smaller), figure);
    surface.setFontSize(size);
}

void printWithinRight(PageSurface &surface, int x, int y, const QString &text, int size,
                      int right) {
    surface.setFontSize(size);
    const int width = surface.textWidth(text);
    if (x + width <= right) {
        surface.printAt(x, y, text);
        return;
    }
    const int smaller = largestSizeWithin(surface, text, size, width, right - x);
    surface.printAt(x, centredTop(y, size, smaller), text);
    surface.setFontSize(size);
}

} // namespace mirune
