#pragma once

// Finding the comparison's marks in a picture by their colours.

#include "editing/comparison_marks.h"
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

// Where the marks of ComparedAfter compared with ComparedBefore stand: the
// cell of each element that differs and the colour of its mark.
struct ComparedMark
{
    const char* what;
    QPoint cell;
    Colour colour;
};
inline constexpr ComparedMark kComparedMarks[] = {
    {"added bell", {7, 1}, comparison_pens::kAdded},
    {"removed horn", {5, 5}, comparison_pens::kRemoved},
    {"moved stop", {1, 4}, comparison_pens::kChanged},
    {"rewired gate", {3, 2}, comparison_pens::kChanged},
    {"renamed lamp", {5, 2}, comparison_pens::kChanged},
};

} // namespace vantrel::test
