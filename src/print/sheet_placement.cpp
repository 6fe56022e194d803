#include "sheet_placement.h"

#include <QRectF>
#include <QtMath>
#include <algorithm>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kTwipsPerPoint = 20.0;

} // namespace

void SheetExtent::include(int l, int t, int r, int b) {
    if (empty) {
        left = l;
        top = t;
        right = r;
        bottom = b;
        empty = false;
        return;
    }
    left = std::min(left, l);
    top = std::min(top, t);
    right = std::max(right, r);
    bottom = std::max(bottom, b);
}

SheetPlacement fncPlaceSheet(const SheetExtent &extent, const QSizeF &printableTwips,
                             bool fitToPaper) {
    const qreal areaWidth = printableTwips.width();
    const qreal areaHeight = printableTwips.height();
    if (extent.empty || areaWidth <= 0 || areaHeight <= 0)
        return {};
    if (fitToPaper) {
        if (extent.width() <= 0 || extent.height() <= 0)
            return {};
        const qreal scale = std::min(areaWidth / extent.width(), areaHeight / extent.height());
        return {scale, (areaWidth - extent.width() * scale) / 2 - extent.left * scale,
                (areaHeight - extent.height() * scale) / 2 - extent.top * scale};
    }
    if (extent.right <= areaWidth && extent.bottom <= areaHeight)
        return {};
    // Scaled about the corner, the sheet keeps its margins in proportion; every sheet starts
    // to the right of and below that corner, so its far edges decide.
    const qreal scale = std::min(
        {areaWidth / std::max(extent.right, 1), areaHeight / std::max(extent.bottom, 1), qreal(1)});
    return {scale, 0, 0};
}

QSizeF fncPrintableTwips(const QPageLayout &layout, PageOrientation orientation) {
    QPageLayout turned = layout;
    turned.setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    return turned.paintRect(QPageLayout::Point).size() * kTwipsPerPoint;
}

QString fncShrinkNotice(QStringView caption, qreal scale) {
    const int percent = qFloor(scale * 100);
    return u"「%1」は用紙の印刷範囲に収まらないため、全体を %2% に縮小しました。"_s.arg(caption)
        .arg(percent);
}

} // namespace mirune
