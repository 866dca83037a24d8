// Pixel tests of QPainterSurface on real QImages: the classic device edge
// rules (boxes exclude their right and bottom edge, LineTo its last pixel),
// arcs and their direction, pens, brushes, text and colours. The figures are
// also gathered in a montage under VANTREL_TEST_OUTPUT_DIR for a look.
#include "qt_adapters/qpainter_surface.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel {
namespace {

// Grey paper, so the white default brush shows.
const QRgb kPaper = qRgb(0xC8, 0xC8, 0xC8);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kRed = qRgb(0xFF, 0, 0);
const QRgb kBlue = qRgb(0, 0, 0xFF);
const Colour kRedColour = 0x0000FF; // red is the low byte

using Draw = std::function<void(Surface&)>;

QImage Render(int width, int height, const Draw& draw)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    {
        QPainterSurface surface(painter);
        draw(surface);
    }
    painter.end();
    return image;
}

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

bool Inked(const QImage& image, int x, int y)
{
    return image.valid(x, y) && At(image, x, y) != kPaper;
}

bool InkInColumn(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y)
        if (Inked(image, x, y))
            return true;
    return false;
}

bool InkInRow(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (Inked(image, x, y))
            return true;
    return false;
}

// Ink anywhere within `radius` pixels of (x, y).
bool InkNear(const QImage& image, int x, int y, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (Inked(image, x + dx, y + dy))
                return true;
    return false;
}

int InkCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Inked(image, x, y) ? 1 : 0;
    return count;
}

// The image as text for failure messages: '.' paper, '#' black, 'w' white,
// 'r' red, 'o' anything else.
std::string Dump(const QImage& image)
{
    std::string text = "\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = At(image, x, y);
            text += pixel == kPaper   ? '.'
                    : pixel == kBlack ? '#'
                    : pixel == kWhite ? 'w'
                    : pixel == kRed   ? 'r'
                                      : 'o';
        }
        text += '\n';
    }
    return text;
}

// ---------------------------------------------------------------------------
// The figures, shared by the tests and the montage.

struct Figure
{
    std::string name;
    int width;
    int height;
    Draw draw;
};

// A 41 x 41 box centred on (22, 22); the vertical rays through x = 22 meet
// the ellipse at its top and bottom.
constexpr Rect kArcBox{2, 2, 42, 42};
constexpr Point kBottomRay{22, 60};
constexpr Point kTopRay{22, -20};

const std::vector<Figure>& Figures()
{
    static const std::vector<Figure> figures = {
        {"rectangle", 14, 14, [](Surface& s) { s.DrawRectangle(2, 2, 12, 12); }},
        {"rectangle hollow", 14, 14,
         [](Surface& s) {
             s.SetBrush(Brush::Hollow());
             s.DrawRectangle(2, 2, 12, 12);
         }},
        {"rectangle pen 3", 16, 16,
         [](Surface& s) {
             s.SetPen(Pen::Solid(3, 0));
             s.DrawRectangle(3, 3, 13, 13);
         }},
        {"line star", 25, 25,
         [](Surface& s) {
             const Point ends[] = {{22, 12}, {22, 2}, {12, 2},  {2, 2},
                                   {2, 12},  {2, 22}, {12, 22}, {22, 22}};
             for (Point end : ends) {
                 s.MoveTo(12, 12);
                 s.LineTo(end.x, end.y);
             }
         }},
        {"polyline", 16, 16,
         [](Surface& s) {
             const Point points[] = {{2, 5}, {12, 5}, {12, 12}, {4, 14}};
             s.DrawPolyline(points);
         }},
        {"polygon arrow", 48, 48,
         [](Surface& s) {
             const Point points[] = {{4, 4}, {44, 24}, {4, 44}, {14, 24}};
             s.DrawPolygon(points);
         }},
        {"ellipse", 46, 26, [](Surface& s) { s.DrawEllipse(2, 2, 42, 22); }},
        {"ellipse pen 3", 48, 28,
         [](Surface& s) {
             s.SetPen(Pen::Solid(3, 0));
             s.DrawEllipse(3, 3, 43, 23);
         }},
        {"chord right half", 46, 46, [](Surface& s) { s.DrawChord(kArcBox, kBottomRay, kTopRay); }},
        {"chord left half", 46, 46, [](Surface& s) { s.DrawChord(kArcBox, kTopRay, kBottomRay); }},
        {"arc ccw", 46, 46, [](Surface& s) { s.DrawArc(kArcBox, kBottomRay, kTopRay); }},
        {"arc cw", 46, 46,
         [](Surface& s) {
             s.SetArcDirection(ArcDirection::Clockwise);
             s.DrawArc(kArcBox, kBottomRay, kTopRay);
         }},
        {"arc 0 to 45 deg ray", 86, 46,
         [](Surface& s) {
             s.DrawArc({2, 2, 82, 42}, {100, 22}, {82, -18});
         }},
        {"angle arc +90", 46, 46,
         [](Surface& s) {
             s.MoveTo(2, 30);
             s.DrawAngleArc(30, 30, 10, 0.0f, 90.0f);
         }},
        {"angle arc -90", 46, 46,
         [](Surface& s) {
             s.MoveTo(2, 30);
             s.DrawAngleArc(30, 30, 10, 0.0f, -90.0f);
         }},
        {"dash pen", 60, 5,
         [](Surface& s) {
             s.SetPen(Pen::Dashed(0));
             s.MoveTo(0, 2);
             s.LineTo(59, 2);
         }},
        {"user dash 3 px {4,8}", 60, 11,
         [](Surface& s) {
             s.SetPen(Pen::UserDashed(3, 0, {4, 8}));
             s.MoveTo(0, 5);
             s.LineTo(59, 5);
         }},
        {"text opaque", 60, 24,
         [](Surface& s) {
             s.SetTextBackground(kRedColour);
             s.DrawText(2, 2, u"Hg");
         }},
        {"text transparent", 60, 24,
         [](Surface& s) {
             s.SetTextBackground(kRedColour);
             s.SetBackgroundMode(BackgroundMode::Transparent);
             s.DrawText(2, 2, u"Hg");
         }},
        {"fill rect", 14, 14,
         [](Surface& s) {
             s.FillRectangle({2, 2, 12, 12}, kRedColour);
         }},
        {"colours", 14, 14,
         [](Surface& s) {
             s.SetPen(Pen::Solid(1, Rgb(0xFF, 0, 0)));
             s.SetBrush(Brush::Solid(Rgb(0, 0, 0xFF)));
             s.DrawRectangle(2, 2, 12, 12);
         }},
        {"stretch image", 24, 24,
         [](Surface& s) {
             const Image image{2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}};
             s.DrawImageStretched(image, {2, 2, 22, 22});
         }},
    };
    return figures;
}

const Figure& FigureNamed(const std::string& name)
{
    for (const Figure& figure : Figures())
        if (figure.name == name)
            return figure;
    throw std::logic_error("no figure " + name);
}

QImage Render(const std::string& name)
{
    const Figure& figure = FigureNamed(name);
    return Render(figure.width, figure.height, figure.draw);
}

// ---------------------------------------------------------------------------
// Boxes

// Pens of width 0 and 1 both draw one pixel wide.
class OnePixelPen : public ::testing::TestWithParam<int>
{
protected:
    QImage RenderWithPen(int width, int height, const Draw& draw) const
    {
        return Render(width, height, [&](Surface& s) {
            s.SetPen(Pen::Solid(GetParam(), 0));
            draw(s);
        });
    }
};
INSTANTIATE_TEST_SUITE_P(Widths, OnePixelPen, ::testing::Values(0, 1));

TEST_P(OnePixelPen, RectangleBoxExcludesRightAndBottomEdge)
{
    const QImage image = RenderWithPen(14, 14, [](Surface& s) { s.DrawRectangle(2, 2, 12, 12); });
    SCOPED_TRACE(Dump(image));
    for (int i = 2; i <= 11; ++i) {
        EXPECT_EQ(At(image, i, 2), kBlack) << "top, x " << i;
        EXPECT_EQ(At(image, i, 11), kBlack) << "bottom, x " << i;
        EXPECT_EQ(At(image, 2, i), kBlack) << "left, y " << i;
        EXPECT_EQ(At(image, 11, i), kBlack) << "right, y " << i;
    }
    EXPECT_FALSE(InkInColumn(image, 12));
    EXPECT_FALSE(InkInRow(image, 12));
    EXPECT_FALSE(InkInColumn(image, 1));
    EXPECT_FALSE(InkInRow(image, 1));
    EXPECT_EQ(At(image, 3, 3), kWhite);
    EXPECT_EQ(At(image, 10, 10), kWhite);
}

// Figures in the box (2, 2, 12, 12): they ink columns and rows 2 to 11 and
// nothing else, the edge in one colour and the inside in another.
struct BoxFigure
{
    std::string name;
    QRgb edge;
    QRgb inside;
    int inkCount;
};

std::ostream& operator<<(std::ostream& out, const BoxFigure& figure)
{
    return out << figure.name;
}

class BoxFigures : public ::testing::TestWithParam<BoxFigure>
{};

TEST_P(BoxFigures, InkTheBoxWithoutItsRightAndBottomEdge)
{
    const BoxFigure& figure = GetParam();
    const QImage image = Render(figure.name);
    SCOPED_TRACE(Dump(image));
    for (int i = 2; i <= 11; ++i) {
        EXPECT_EQ(At(image, i, 2), figure.edge) << "top, x " << i;
        EXPECT_EQ(At(image, 11, i), figure.edge) << "right, y " << i;
    }
    EXPECT_EQ(At(image, 6, 6), figure.inside);
    EXPECT_EQ(InkCount(image), figure.inkCount);
    EXPECT_FALSE(InkInColumn(image, 12));
    EXPECT_FALSE(InkInRow(image, 12));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, BoxFigures,
    ::testing::Values(BoxFigure{"rectangle", kBlack, kWhite, 100},
                      BoxFigure{"rectangle hollow", kBlack, kPaper, 4 * 9},
                      BoxFigure{"fill rect", kRed, kRed, 100},
                      // Rgb(0xFF, 0, 0) pen and Rgb(0, 0, 0xFF) brush: red is the low byte.
                      BoxFigure{"colours", kRed, kBlue, 100}));

TEST(QPainterSurface, RectangleWithReversedCornersIsTheSameBox)
{
    const QImage forward = Render(14, 14, [](Surface& s) { s.DrawRectangle(2, 2, 12, 12); });
    const QImage reversed = Render(14, 14, [](Surface& s) { s.DrawRectangle(12, 12, 2, 2); });
    EXPECT_EQ(forward, reversed) << Dump(reversed);
}

TEST(QPainterSurface, WidePenIsCentredOnTheOnePixelOutline)
{
    // Box (3, 3, 13, 13): the 1-pixel outline would ink 3 and 12.
    const QImage image = Render("rectangle pen 3");
    SCOPED_TRACE(Dump(image));
    for (int x : {2, 3, 4, 11, 12, 13})
        EXPECT_EQ(At(image, x, 8), kBlack) << "x " << x;
    EXPECT_EQ(At(image, 1, 8), kPaper);
    EXPECT_EQ(At(image, 14, 8), kPaper);
    EXPECT_EQ(At(image, 5, 8), kWhite);
    EXPECT_EQ(At(image, 10, 8), kWhite);
}

// ---------------------------------------------------------------------------
// Lines

struct LineCase
{
    Point from;
    Point to;
    int length; // pixels inked: the larger of |dx| and |dy|
};

std::ostream& operator<<(std::ostream& out, const LineCase& c)
{
    return out << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
}

class LineToCase : public ::testing::TestWithParam<std::tuple<int, LineCase>>
{};

TEST_P(LineToCase, InksTheFirstPixelButNotTheLast)
{
    // Plain variables, not a structured binding: clang before 16 (and so
    // clang-tidy 14) cannot capture a binding in a lambda.
    const int width = std::get<0>(GetParam());
    const LineCase line = std::get<1>(GetParam());
    Point after{-1, -1};
    const QImage image = Render(16, 16, [&](Surface& s) {
        s.SetPen(Pen::Solid(width, 0));
        s.MoveTo(line.from.x, line.from.y);
        s.LineTo(line.to.x, line.to.y);
        after = s.MoveTo(0, 0);
    });
    SCOPED_TRACE(Dump(image));
    EXPECT_EQ(InkCount(image), line.length);
    EXPECT_EQ(At(image, line.to.x, line.to.y), kPaper);
    if (line.length > 0) {
        EXPECT_EQ(At(image, line.from.x, line.from.y), kBlack);
        // The pixel before the last one on the way is inked.
        const int stepX = (line.to.x > line.from.x) - (line.to.x < line.from.x);
        const int stepY = (line.to.y > line.from.y) - (line.to.y < line.from.y);
        const bool straight =
            line.from.x == line.to.x || line.from.y == line.to.y ||
            std::abs(line.to.x - line.from.x) == std::abs(line.to.y - line.from.y);
        if (straight) {
            EXPECT_EQ(At(image, line.to.x - stepX, line.to.y - stepY), kBlack);
        }
    }
    EXPECT_EQ(after, line.to) << "LineTo moves the current position";
}

INSTANTIATE_TEST_SUITE_P(
    Directions, LineToCase,
    ::testing::Combine(::testing::Values(0, 1),
                       ::testing::Values(LineCase{{2, 5}, {12, 5}, 10},  // right
                                         LineCase{{12, 5}, {2, 5}, 10},  // left
                                         LineCase{{5, 2}, {5, 12}, 10},  // down
                                         LineCase{{5, 12}, {5, 2}, 10},  // up
                                         LineCase{{2, 2}, {10, 10}, 8},  // down right
                                         LineCase{{10, 10}, {2, 2}, 8},  // up left
                                         LineCase{{10, 2}, {2, 10}, 8},  // down left
                                         LineCase{{2, 10}, {10, 2}, 8},  // up right
                                         LineCase{{1, 1}, {13, 6}, 12},  // shallow
                                         LineCase{{13, 6}, {1, 1}, 12},  // shallow back
                                         LineCase{{3, 14}, {6, 1}, 13},  // steep up
                                         LineCase{{4, 4}, {4, 4}, 0}))); // nothing

// Every line of a fixed pseudo-random set inks exactly the pixels of the
// classic line algorithm: one pixel per step along the major axis from the
// first pixel up to (not including) the last, each the pixel nearest to the
// ideal line between the pixel centres (either one where it passes exactly
// half-way).
TEST(QPainterSurface, LinesInkTheNearestPixelOfEveryStep)
{
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> coordinate(1, 30);
    for (int round = 0; round < 400; ++round) {
        const Point a{coordinate(random), coordinate(random)};
        const Point b{coordinate(random), coordinate(random)};
        const int width = round % 2;
        const QImage image = Render(32, 32, [&](Surface& s) {
            s.SetPen(Pen::Solid(width, 0));
            s.MoveTo(a.x, a.y);
            s.LineTo(b.x, b.y);
        });
        const int dx = b.x - a.x;
        const int dy = b.y - a.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        SCOPED_TRACE(::testing::Message() << a.x << "," << a.y << " -> " << b.x << "," << b.y
                                          << " width " << width << Dump(image));
        ASSERT_EQ(InkCount(image), steps);
        for (int k = 0; k < steps; ++k) {
            const double x = a.x + double(dx) * k / steps;
            const double y = a.y + double(dy) * k / steps;
            const auto candidates = [](double v) {
                const double fraction = v - std::floor(v);
                if (std::abs(fraction - 0.5) < 1e-9)
                    return std::pair{int(std::floor(v)), int(std::ceil(v))};
                const int nearest = int(std::floor(v + 0.5));
                return std::pair{nearest, nearest};
            };
            const auto [x0, x1] = candidates(x);
            const auto [y0, y1] = candidates(y);
            EXPECT_TRUE(At(image, x0, y0) == kBlack || At(image, x1, y1) == kBlack)
                << "step " << k << " near " << x << "," << y;
        }
    }
}

TEST(QPainterSurface, ConnectedLinesInkEveryJointOnce)
{
    const QImage image = Render(14, 14, [](Surface& s) {
        s.MoveTo(2, 2);
        s.LineTo(11, 2);
        s.LineTo(11, 11);
        s.LineTo(2, 11);
        s.LineTo(2, 2);
    });
    SCOPED_TRACE(Dump(image));
    // The same pixels as DrawRectangle (2, 2, 12, 12) with a hollow brush.
    const QImage box = Render(14, 14, [](Surface& s) {
        s.SetBrush(Brush::Hollow());
        s.DrawRectangle(2, 2, 12, 12);
    });
    EXPECT_EQ(image, box) << Dump(box);
}

TEST(QPainterSurface, PolylineNeitherUsesNorMovesThePosition)
{
    Point after{-1, -1};
    const QImage image = Render(16, 16, [&](Surface& s) {
        s.MoveTo(0, 15);
        FigureNamed("polyline").draw(s);
        after = s.MoveTo(0, 0);
    });
    SCOPED_TRACE(Dump(image));
    EXPECT_EQ(after, (Point{0, 15}));
    EXPECT_FALSE(Inked(image, 0, 15));
    EXPECT_FALSE(Inked(image, 1, 14));
    EXPECT_EQ(At(image, 2, 5), kBlack);
    EXPECT_EQ(At(image, 12, 5), kBlack);  // joint
    EXPECT_EQ(At(image, 12, 12), kBlack); // joint
    EXPECT_EQ(At(image, 4, 14), kPaper);  // last pixel left out
    EXPECT_TRUE(InkNear(image, 5, 14, 0) || InkNear(image, 5, 13, 0));
}

TEST(QPainterSurface, PolygonIsClosedAndFilled)
{
    const QImage image = Render("polygon arrow");
    SCOPED_TRACE(Dump(image));
    for (Point vertex : {Point{4, 4}, Point{44, 24}, Point{4, 44}, Point{14, 24}})
        EXPECT_EQ(At(image, vertex.x, vertex.y), kBlack) << vertex.x << "," << vertex.y;
    EXPECT_EQ(At(image, 24, 24), kWhite); // inside
    EXPECT_EQ(At(image, 8, 24), kPaper);  // in the notch
    EXPECT_EQ(At(image, 40, 10), kPaper); // outside
    EXPECT_FALSE(InkInColumn(image, 45));
    EXPECT_FALSE(InkInRow(image, 45));
}

TEST(QPainterSurface, PolygonWithHollowBrushIsOnlyTheOutline)
{
    const QImage image = Render(48, 48, [](Surface& s) {
        s.SetBrush(Brush::Hollow());
        FigureNamed("polygon arrow").draw(s);
    });
    EXPECT_EQ(At(image, 24, 24), kPaper) << Dump(image);
    EXPECT_EQ(At(image, 44, 24), kBlack) << Dump(image);
}

// ---------------------------------------------------------------------------
// Ellipses and arcs

struct BoxCase
{
    Rect box;
};

std::ostream& operator<<(std::ostream& out, const BoxCase& c)
{
    return out << c.box.left << "," << c.box.top << "," << c.box.right << "," << c.box.bottom;
}

class EllipseBox : public ::testing::TestWithParam<BoxCase>
{};

TEST_P(EllipseBox, IsInscribedInTheBox)
{
    const Rect box = GetParam().box;
    const QImage image = Render(box.right + 3, box.bottom + 3, [&](Surface& s) {
        s.DrawEllipse(box.left, box.top, box.right, box.bottom);
    });
    SCOPED_TRACE(Dump(image));
    EXPECT_TRUE(InkInColumn(image, box.left));
    EXPECT_TRUE(InkInColumn(image, box.right - 1));
    EXPECT_TRUE(InkInRow(image, box.top));
    EXPECT_TRUE(InkInRow(image, box.bottom - 1));
    EXPECT_FALSE(InkInColumn(image, box.left - 1));
    EXPECT_FALSE(InkInColumn(image, box.right));
    EXPECT_FALSE(InkInRow(image, box.top - 1));
    EXPECT_FALSE(InkInRow(image, box.bottom));
    EXPECT_EQ(At(image, box.left, box.top), kPaper); // corner outside the ellipse
    EXPECT_EQ(At(image, (box.left + box.right) / 2, (box.top + box.bottom) / 2), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EllipseBox,
                         ::testing::Values(BoxCase{{2, 2, 42, 22}}, BoxCase{{2, 2, 12, 12}},
                                           BoxCase{{2, 2, 13, 30}}, BoxCase{{3, 2, 60, 9}}));

TEST(QPainterSurface, EllipseWithWidePenKeepsItsInside)
{
    const QImage image = Render("ellipse pen 3");
    SCOPED_TRACE(Dump(image));
    EXPECT_TRUE(InkInColumn(image, 2));
    EXPECT_FALSE(InkInColumn(image, 1));
    EXPECT_TRUE(InkInColumn(image, 43));
    EXPECT_FALSE(InkInColumn(image, 44));
    EXPECT_EQ(At(image, 23, 13), kWhite);
}

// Whether any pixel in the columns first to last is inked.
bool InkInColumns(const QImage& image, int first, int last)
{
    for (int column = std::max(first, 0); column <= std::min(last, image.width() - 1); ++column)
        if (InkInColumn(image, column))
            return true;
    return false;
}

TEST(QPainterSurface, ChordFromBottomToTopIsTheRightHalf)
{
    const QImage image = Render("chord right half");
    SCOPED_TRACE(Dump(image));
    EXPECT_EQ(At(image, 22, 22), kBlack); // the chord
    EXPECT_EQ(At(image, 30, 22), kWhite); // the brush
    EXPECT_EQ(At(image, 41, 22), kBlack); // the arc's far point
    EXPECT_EQ(At(image, 42, 22), kPaper); // just outside the box
    EXPECT_FALSE(InkInColumns(image, 0, 20));
}

TEST(QPainterSurface, ChordFromTopToBottomIsTheLeftHalf)
{
    const QImage image = Render("chord left half");
    SCOPED_TRACE(Dump(image));
    EXPECT_TRUE(At(image, 22, 22) == kBlack || At(image, 21, 22) == kBlack); // the chord
    EXPECT_EQ(At(image, 12, 22), kWhite);
    EXPECT_EQ(At(image, 2, 22), kBlack);
    EXPECT_EQ(At(image, 1, 22), kPaper);
    EXPECT_FALSE(InkInColumns(image, 24, image.width()));
}

TEST(QPainterSurface, ArcDirectionChoosesTheHalf)
{
    const QImage ccw = Render("arc ccw");
    const QImage cw = Render("arc cw");
    EXPECT_EQ(At(ccw, 41, 22), kBlack) << Dump(ccw);
    EXPECT_FALSE(InkInColumns(ccw, 0, 20)) << Dump(ccw);
    EXPECT_EQ(At(ccw, 30, 22), kPaper) << "an arc is not filled";
    EXPECT_EQ(At(cw, 2, 22), kBlack) << Dump(cw);
    EXPECT_FALSE(InkInColumns(cw, 24, cw.width())) << Dump(cw);
}

TEST(QPainterSurface, ArcDirectionDefaultsToCounterClockwiseAndReturnsThePrevious)
{
    const QImage byDefault = Render(46, 46, [](Surface& s) {
        EXPECT_EQ(s.SetArcDirection(ArcDirection::Clockwise), ArcDirection::CounterClockwise);
        EXPECT_EQ(s.SetArcDirection(ArcDirection::CounterClockwise), ArcDirection::Clockwise);
        s.DrawArc(kArcBox, kBottomRay, kTopRay);
    });
    EXPECT_EQ(byDefault, Render("arc ccw"));
}

TEST(QPainterSurface, ArcEndsOnTheRayThroughTheEndPoint)
{
    // Box 80 x 40 centred on (42, 22): the 45 degree ray meets the ellipse
    // at about (59.9, 4.1); a parametric 45 degrees would end at (70.3, 7.9).
    const QImage image = Render("arc 0 to 45 deg ray");
    SCOPED_TRACE(Dump(image));
    EXPECT_TRUE(InkInColumn(image, 81)); // the start on the x axis
    EXPECT_TRUE(InkNear(image, 60, 4, 1));
    EXPECT_FALSE(InkNear(image, 54, 3, 1)); // beyond the end
    EXPECT_FALSE(InkInColumn(image, 45));
    EXPECT_FALSE(InkInRow(image, 30));
}

TEST(QPainterSurface, ArcWithCoincidentRaysIsTheWholeEllipse)
{
    const QImage arc = Render(46, 46, [](Surface& s) { s.DrawArc(kArcBox, {60, 22}, {80, 22}); });
    const QImage ellipse = Render(46, 46, [](Surface& s) {
        s.SetBrush(Brush::Hollow());
        s.DrawEllipse(kArcBox.left, kArcBox.top, kArcBox.right, kArcBox.bottom);
    });
    EXPECT_EQ(arc, ellipse) << Dump(arc) << Dump(ellipse);
}

struct AngleArcFigure
{
    std::string name;
    Point end;
    Point onArc;  // a point half-way along the arc
    Point offArc; // its mirror image across the x axis, not on the arc
};

// The figure's name without the signs, which test filters would misread.
std::ostream& operator<<(std::ostream& out, const AngleArcFigure& figure)
{
    for (char c : figure.name)
        out << (c == '+' ? "plus " : c == '-' ? "minus " : std::string(1, c));
    return out;
}

class AngleArcPixels : public ::testing::TestWithParam<AngleArcFigure>
{};

TEST_P(AngleArcPixels, DrawsTheJoiningLineThenTheArcAndMovesThePosition)
{
    const AngleArcFigure& figure = GetParam();
    Point after{};
    const QImage image = Render(46, 46, [&](Surface& s) {
        FigureNamed(figure.name).draw(s);
        after = s.MoveTo(0, 0);
    });
    SCOPED_TRACE(Dump(image));
    EXPECT_EQ(after, figure.end);
    for (int x = 2; x <= 39; ++x)
        EXPECT_EQ(At(image, x, 30), kBlack) << "joining line, x " << x;
    EXPECT_EQ(At(image, 40, 30), kBlack); // the arc's start
    EXPECT_TRUE(InkNear(image, figure.onArc.x, figure.onArc.y));
    EXPECT_TRUE(InkNear(image, figure.end.x, figure.end.y));
    EXPECT_FALSE(InkNear(image, figure.offArc.x, figure.offArc.y));
    EXPECT_FALSE(InkNear(image, 23, 23));
}

// Centre (30, 30), radius 10, from 0 degrees; the line comes from (2, 30).
INSTANTIATE_TEST_SUITE_P(
    Sweeps, AngleArcPixels,
    ::testing::Values(AngleArcFigure{"angle arc +90", {30, 20}, {37, 23}, {37, 37}},
                      AngleArcFigure{"angle arc -90", {30, 40}, {37, 37}, {37, 23}}));

// ---------------------------------------------------------------------------
// Pens, brushes, colours

TEST(QPainterSurface, DashPenIsEighteenOnSixOff)
{
    const QImage image = Render("dash pen");
    SCOPED_TRACE(Dump(image));
    for (int x = 0; x <= 17; ++x)
        EXPECT_EQ(At(image, x, 2), kBlack) << "x " << x;
    for (int x = 18; x <= 23; ++x)
        EXPECT_EQ(At(image, x, 2), kPaper) << "x " << x;
    EXPECT_EQ(At(image, 24, 2), kBlack);
    EXPECT_EQ(At(image, 41, 2), kBlack);
    EXPECT_EQ(At(image, 42, 2), kPaper);
}

TEST(QPainterSurface, UserDashPenLeavesGapsInPixels)
{
    const QImage image = Render("user dash 3 px {4,8}");
    SCOPED_TRACE(Dump(image));
    for (int y : {4, 5, 6}) {
        EXPECT_EQ(At(image, 2, y), kBlack) << "y " << y;
        EXPECT_EQ(At(image, 8, y), kPaper) << "y " << y;
        EXPECT_EQ(At(image, 14, y), kBlack) << "y " << y;
        EXPECT_EQ(At(image, 20, y), kPaper) << "y " << y;
    }
    EXPECT_FALSE(InkInRow(image, 3));
    EXPECT_FALSE(InkInRow(image, 7));
}

class UnusableDashPattern : public ::testing::TestWithParam<std::vector<unsigned>>
{};

TEST_P(UnusableDashPattern, DrawsSolid)
{
    const QImage image = Render(40, 5, [](Surface& s) {
        s.SetPen(Pen::UserDashed(1, 0, GetParam()));
        s.MoveTo(0, 2);
        s.LineTo(39, 2);
    });
    for (int x = 0; x <= 38; ++x)
        EXPECT_EQ(At(image, x, 2), kBlack) << "x " << x << Dump(image);
}

INSTANTIATE_TEST_SUITE_P(Patterns, UnusableDashPattern,
                         ::testing::Values(std::vector<unsigned>{}, std::vector<unsigned>{0, 0},
                                           std::vector<unsigned>{3, 0}));

TEST(QPainterSurface, FillRectangleOfAnEmptyRectFillsNothing)
{
    const QImage image = Render(14, 14, [](Surface& s) {
        s.FillRectangle({5, 5, 5, 10}, kRedColour);
        s.FillRectangle({5, 5, 10, 5}, kRedColour);
        s.FillRectangle({10, 10, 5, 5}, kRedColour);
    });
    EXPECT_EQ(InkCount(image), 0) << Dump(image);
}

TEST(QPainterSurface, RestoresThePainterWhenItGoesAway)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::green, 5));
    painter.setBrush(Qt::yellow);
    {
        QPainterSurface surface(painter);
        surface.SetPen(Pen::Solid(1, kRedColour));
        surface.DrawText(0, 0, u"x");
        surface.DrawRectangle(0, 0, 4, 4);
        EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
    }
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.pen(), QPen(Qt::green, 5));
    EXPECT_EQ(painter.brush(), QBrush(Qt::yellow));
}

// ---------------------------------------------------------------------------
// Text

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(At(image, x, y)) ? 1 : 0;
    return count;
}

TEST(QPainterSurface, OpaqueTextFillsItsExtentWithTheBackgroundColour)
{
    Size extent;
    const QImage image = Render(60, 24, [&](Surface& s) {
        extent = s.TextExtent(u"Hg");
        FigureNamed("text opaque").draw(s);
    });
    SCOPED_TRACE(Dump(image));
    ASSERT_GT(extent.width, 0);
    ASSERT_GT(extent.height, 0);
    // The extent box from (2, 2) is background or text; around it is paper.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= 2 && x < 2 + extent.width && y >= 2 && y < 2 + extent.height;
            if (!inside) {
                EXPECT_EQ(At(image, x, y), kPaper) << x << "," << y;
            }
        }
    EXPECT_EQ(At(image, 2, 2), kRed);
    EXPECT_EQ(At(image, 1 + extent.width, 1 + extent.height), kRed);
    const int red = CountPixels(image, [](QRgb p) { return p == kRed; });
    const int dark = CountPixels(image, [](QRgb p) { return qRed(p) < 64; });
    EXPECT_GT(red, extent.width * extent.height / 2);
    EXPECT_GT(dark, 10) << "the black text";
}

TEST(QPainterSurface, TransparentTextLeavesTheBackground)
{
    const QImage image = Render("text transparent");
    SCOPED_TRACE(Dump(image));
    EXPECT_EQ(CountPixels(image, [](QRgb p) { return p == kRed; }), 0);
    EXPECT_GT(CountPixels(image, [](QRgb p) { return qRed(p) < 64; }), 10);
    EXPECT_EQ(At(image, 2, 2), kPaper);
}

TEST(QPainterSurface, TextIsAnchoredAtItsTopLeftInTheTextColour)
{
    Size extent;
    const QImage image = Render(80, 40, [&](Surface& s) {
        s.SetBackgroundMode(BackgroundMode::Transparent);
        s.SetTextColour(kRedColour);
        extent = s.TextExtent(u"H");
        s.DrawText(10, 12, u"H");
    });
    SCOPED_TRACE(Dump(image));
    int top = image.height(), left = image.width(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Inked(image, x, y)) {
                top = std::min(top, y);
                left = std::min(left, x);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, 0) << "no text";
    EXPECT_GT(CountPixels(image, [](QRgb p) { return qRed(p) > qGreen(p) + 60; }), 10)
        << "red text";
    EXPECT_GE(top, 12);
    EXPECT_GE(left, 10);
    EXPECT_LT(bottom, 12 + extent.height);
    EXPECT_LT(left, 10 + extent.width);
}

TEST(QPainterSurface, TextExtentIsTheAdvanceAndTheFontHeight)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    QPainter painter(&image);
    const QFontMetrics metrics = painter.fontMetrics();
    QPainterSurface surface(painter);
    EXPECT_EQ(surface.TextExtent(u"Hello"),
              (Size{metrics.horizontalAdvance(QStringLiteral("Hello")), metrics.height()}));
    EXPECT_EQ(surface.TextExtent(u"").width, 0);
    EXPECT_GT(surface.TextExtent(u"HgHg").width, surface.TextExtent(u"Hg").width);
}

// ---------------------------------------------------------------------------
// Images

TEST(QPainterSurface, DrawImageStretchedFillsTheDestination)
{
    const QImage image = Render("stretch image");
    SCOPED_TRACE(Dump(image));
    const auto near = [](QRgb pixel, QRgb expected) {
        return std::abs(qRed(pixel) - qRed(expected)) < 40 &&
               std::abs(qGreen(pixel) - qGreen(expected)) < 40 &&
               std::abs(qBlue(pixel) - qBlue(expected)) < 40;
    };
    EXPECT_TRUE(near(At(image, 3, 3), qRgb(0xFF, 0, 0)));
    EXPECT_TRUE(near(At(image, 20, 3), qRgb(0, 0xFF, 0)));
    EXPECT_TRUE(near(At(image, 3, 20), qRgb(0, 0, 0xFF)));
    EXPECT_TRUE(near(At(image, 20, 20), kWhite));
    EXPECT_FALSE(InkInColumn(image, 22));
    EXPECT_FALSE(InkInRow(image, 22));
    EXPECT_FALSE(InkInColumn(image, 1));
}

TEST(QPainterSurface, DrawImageStretchedOfAnEmptyImageDrawsNothing)
{
    const QImage image = Render(10, 10, [](Surface& s) {
        s.DrawImageStretched(Image{}, {0, 0, 10, 10});
        s.DrawImageStretched(Image{2, 2, {1, 2, 3}}, {0, 0, 10, 10}); // pixels missing
    });
    EXPECT_EQ(InkCount(image), 0);
}

// ---------------------------------------------------------------------------
// Montage of all figures, three times enlarged, for a human look.

TEST(QPainterSurface, WritesAMontageOfTheFigures)
{
    constexpr int kScale = 3;
    constexpr int kColumns = 4;
    constexpr int kCellWidth = 90 * kScale;
    constexpr int kCellHeight = 50 * kScale;
    constexpr int kLabel = 16;
    const auto& figures = Figures();
    const int rows = int(figures.size() + kColumns - 1) / kColumns;
    QImage montage(kColumns * kCellWidth, rows * (kCellHeight + kLabel), QImage::Format_ARGB32);
    montage.fill(Qt::white);
    QPainter painter(&montage);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const Figure& figure = figures[i];
        const QImage image = Render(figure.width, figure.height, figure.draw);
        const int x = int(i % kColumns) * kCellWidth;
        const int y = int(i / kColumns) * (kCellHeight + kLabel);
        const QImage big =
            image.scaled(image.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        painter.drawImage(x + 4, y + kLabel, big);
        painter.setPen(Qt::black);
        painter.drawText(x + 4, y + kLabel - 4, QString::fromStdString(figure.name));
    }
    painter.end();
    const QString dir = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/qt_adapters");
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(montage.save(dir + QStringLiteral("/surface_figures.png")));
}

} // namespace
} // namespace vantrel
