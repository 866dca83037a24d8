// The surface draws 1-pixel ellipses, arcs and chords with QPainter's own
// figure calls for speed. Their pixels must stay exactly those of the curve
// through the pixel centres of the box, filled and then stroked as a path,
// which is what the surface's rules define (and what wide pens still use).
#include "qt_adapters/qpainter_surface.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace vantrel {
namespace {

const QColor kPaper(0xC8, 0xC8, 0xC8);
const QColor kInk(0x10, 0x20, 0x30);
const QColor kFill(0xD0, 0x60, 0x20);

enum class Figure
{
    Ellipse,
    Arc,
    Chord
};

struct CurveCase
{
    Figure figure;
    Rect box;
    // The rays' points and the angles (degrees, counter-clockwise) they lie at.
    Point start;
    Point end;
    double startDegrees;
    double sweepDegrees;
    bool hollow;
};

std::ostream& operator<<(std::ostream& out, const CurveCase& c)
{
    return out << int(c.figure) << " in " << c.box.left << "," << c.box.top << "," << c.box.right
               << "," << c.box.bottom << (c.hollow ? " hollow" : " filled");
}

QImage Paper(const Rect& box)
{
    QImage image(box.right + 4, box.bottom + 4, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

QImage DrawnBySurface(const CurveCase& c)
{
    QImage image = Paper(c.box);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetPen(Pen::Solid(1, 0x302010)); // red in the low byte
    surface.SetBrush(c.hollow ? Brush::Hollow() : Brush::Solid(0x2060D0));
    const Rect& b = c.box;
    switch (c.figure) {
    case Figure::Ellipse:
        surface.DrawEllipse(b.left, b.top, b.right, b.bottom);
        break;
    case Figure::Arc:
        surface.DrawArc(b, c.start, c.end);
        break;
    case Figure::Chord:
        surface.DrawChord(b, c.start, c.end);
        break;
    }
    return image;
}

QImage DrawnAsPath(const CurveCase& c)
{
    const QRectF curve(c.box.left + 0.5, c.box.top + 0.5, c.box.Width() - 1.0,
                       c.box.Height() - 1.0);
    QPainterPath path;
    if (c.figure == Figure::Ellipse) {
        path.addEllipse(curve);
    } else {
        path.arcMoveTo(curve, c.startDegrees);
        path.arcTo(curve, c.startDegrees, c.sweepDegrees);
        if (c.figure == Figure::Chord)
            path.closeSubpath();
    }
    QImage image = Paper(c.box);
    QPainter painter(&image);
    if (c.figure != Figure::Arc && !c.hollow)
        painter.fillPath(path, kFill);
    QPen pen(kInk, 1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.strokePath(path, pen);
    return image;
}

class OnePixelCurve : public ::testing::TestWithParam<CurveCase>
{};

TEST_P(OnePixelCurve, InksThePixelsOfItsPath)
{
    EXPECT_EQ(DrawnBySurface(GetParam()), DrawnAsPath(GetParam()));
}

// The D of an AND gate (bottom to top through the right), a three-quarter
// arc, boxes wide, tall, round and one pixel thin.
constexpr Rect kWide{2, 2, 42, 22};
constexpr Rect kRound{3, 3, 15, 15};
constexpr Rect kThin{2, 2, 3, 30};
constexpr Rect kGate{-6, 2, 10, 10};

INSTANTIATE_TEST_SUITE_P(
    Figures, OnePixelCurve,
    ::testing::Values(CurveCase{Figure::Ellipse, kWide, {}, {}, 0, 0, false},
                      CurveCase{Figure::Ellipse, kRound, {}, {}, 0, 0, true},
                      CurveCase{Figure::Ellipse, kThin, {}, {}, 0, 0, false},
                      CurveCase{Figure::Chord, kGate, {2, 10}, {2, 2}, 270, 180, false},
                      CurveCase{Figure::Chord, kWide, {22, 22}, {22, 2}, 270, 180, true},
                      CurveCase{Figure::Chord, kRound, {15, 9}, {9, 15}, 0, 270, false},
                      CurveCase{Figure::Arc, kWide, {42, 12}, {22, 22}, 0, 270, false},
                      CurveCase{Figure::Arc, kRound, {9, 15}, {9, 3}, 270, 180, false}));

} // namespace
} // namespace vantrel
