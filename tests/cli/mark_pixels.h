#pragma once

// Finding the comparison's marks in a picture by their colours.

#include "graphics/colour.h"

#include <QImage>
#include <QPoint>

namespace vantrel::test {

inline QRgb ToQRgb(Colour colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// Pixels of exactly that colour in the square reaching `reach` pixels
// around a point (an element's anchor).
inline int PixelsAround(const QImage& picture, QPoint centre, int reach, Colour colour)
{
    int count = 0;
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y)
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x)
            if (picture.valid(x, y) && picture.pixel(x, y) == ToQRgb(colour))
                ++count;
    return count;
}

} // namespace vantrel::test
