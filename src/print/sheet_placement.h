#pragma once

// Where a sheet goes on its paper. Every sheet is laid out in twips from the corner of the
// printable area; a sheet that runs past that area is scaled down as a whole until it fits,
// and on request any sheet is scaled to fill the paper.

#include "page_surface.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringView>

namespace mirune {

// The box of everything a sheet drew, in twips.
struct SheetExtent {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty = true;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    void include(int l, int t, int r, int b);
};

// The sheet's twips are multiplied by `scale` (about the corner of the printable area), then
// moved by the offset, in twips of the printable area.
struct SheetPlacement {
    qreal scale = 1.0;
    qreal offsetX = 0;
    qreal offsetY = 0;

    bool isIdentity() const { return scale == 1.0 && offsetX == 0 && offsetY == 0; }
};

// A sheet inside the printable area stays as drawn. One that runs past it is scaled down
// uniformly about the area's corner until it fits. With fitToPaper, every sheet is scaled up
// or down uniformly so that its extent fills the area, and centred in it.
SheetPlacement fncPlaceSheet(const SheetExtent &extent, const QSizeF &printableTwips,
                             bool fitToPaper);

// The printable area of a page set-up in twips, turned to the sheet's orientation.
QSizeF fncPrintableTwips(const QPageLayout &layout, PageOrientation orientation);

// What the program says of a sheet it had to scale down to keep it whole on the paper, for
// the command line and for the print window's status: the sheet's caption and the scale as a
// whole percentage, rounded down.
QString fncShrinkNotice(QStringView caption, qreal scale);

// The print window's check box that scales every sheet to fill the paper.
inline constexpr QStringView kFitToPaperCaption = u"用紙に合わせる";

} // namespace mirune
