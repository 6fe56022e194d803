#pragma once

// Drawing a sheet onto an image and finding where the ink went: how the PDF and painter tests
// see what a sheet puts on the page.

#include <QImage>
#include <QRect>

namespace mirune::test {

// An image at 144 dots per inch: ten twips to the pixel, one printer dot to the pixel.
inline QImage whitePage() {
    QImage image(1200, 1200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = qRound(144 / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

inline bool isInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// The bounding box of everything drawn.
inline QRect inkBox(const QImage &image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace mirune::test
