// The state rules every Surface keeps, checked on the Qt surface and on the
// recording surface alike: defaults, the Set calls returning the previous
// value, and which operations move the current position.
#include "qt_adapters/qpainter_surface.h"
#include "support/recording_surface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct QtSurfaceHolder
{
    QImage image{64, 64, QImage::Format_ARGB32};
    QPainter painter{&image};
    QPainterSurface surface{painter};
};

struct RecordingSurfaceHolder
{
    test::RecordingSurface surface;
};

template <typename Holder> class SurfaceContract : public ::testing::Test
{
protected:
    Surface& surface() { return holder_.surface; }

private:
    Holder holder_;
};

using Holders = ::testing::Types<QtSurfaceHolder, RecordingSurfaceHolder>;
TYPED_TEST_SUITE(SurfaceContract, Holders);

constexpr Colour kRed = 0x0000FF;
constexpr Colour kWhite = 0xFFFFFF;

TYPED_TEST(SurfaceContract, DefaultsAndSetReturnThePreviousValue)
{
    Surface& s = this->surface();
    EXPECT_EQ(s.SetPen(Pen::Dashed(kRed)), Pen::Solid(1, 0));
    EXPECT_EQ(s.SetPen(Pen::UserDashed(3, 0, {2, 4})), Pen::Dashed(kRed));
    EXPECT_EQ(s.SetPen(Pen::Solid(1, 0)), Pen::UserDashed(3, 0, {2, 4}));
    EXPECT_EQ(s.SetBrush(Brush::Hollow()), Brush::Solid(kWhite));
    EXPECT_EQ(s.SetBrush(Brush::Solid(kRed)), Brush::Hollow());
    EXPECT_EQ(s.SetTextColour(kRed), 0u);
    EXPECT_EQ(s.SetTextColour(0), kRed);
    EXPECT_EQ(s.SetTextBackground(kRed), kWhite);
    EXPECT_EQ(s.SetTextBackground(kWhite), kRed);
    EXPECT_EQ(s.SetBackgroundMode(BackgroundMode::Transparent), BackgroundMode::Opaque);
    EXPECT_EQ(s.SetBackgroundMode(BackgroundMode::Opaque), BackgroundMode::Transparent);
    EXPECT_EQ(s.SetArcDirection(ArcDirection::Clockwise), ArcDirection::CounterClockwise);
    EXPECT_EQ(s.SetArcDirection(ArcDirection::CounterClockwise), ArcDirection::Clockwise);
}

TYPED_TEST(SurfaceContract, MoveToReturnsThePreviousPosition)
{
    Surface& s = this->surface();
    EXPECT_EQ(s.MoveTo(3, 4), (Point{0, 0}));
    EXPECT_EQ(s.MoveTo(-5, 7), (Point{3, 4}));
    EXPECT_EQ(s.MoveTo(0, 0), (Point{-5, 7}));
}

TYPED_TEST(SurfaceContract, LineToMovesThePosition)
{
    Surface& s = this->surface();
    s.MoveTo(1, 2);
    s.LineTo(10, 2);
    s.LineTo(10, 20);
    EXPECT_EQ(s.MoveTo(0, 0), (Point{10, 20}));
}

TYPED_TEST(SurfaceContract, FiguresKeepThePosition)
{
    Surface& s = this->surface();
    s.MoveTo(7, 8);
    const Point points[] = {{1, 1}, {20, 5}, {9, 30}};
    s.DrawPolyline(points);
    s.DrawPolygon(points);
    s.DrawRectangle(1, 1, 20, 20);
    s.DrawEllipse(1, 1, 20, 20);
    s.DrawArc({1, 1, 20, 20}, {30, 10}, {10, 0});
    s.DrawChord({1, 1, 20, 20}, {30, 10}, {10, 0});
    s.FillRectangle({1, 1, 5, 5}, kRed);
    s.DrawText(3, 3, u"Text");
    EXPECT_EQ(s.MoveTo(0, 0), (Point{7, 8}));
}

struct AngleArcCase
{
    int cx, cy, radius;
    float start, sweep;
    Point end;
};

TYPED_TEST(SurfaceContract, AngleArcMovesThePositionToTheArcEnd)
{
    const AngleArcCase cases[] = {
        {30, 30, 10, 0.0f, 90.0f, {30, 20}},  // counter-clockwise, y up on screen
        {30, 30, 10, 0.0f, -90.0f, {30, 40}}, // negative sweep turns clockwise
        {0, 0, 10, 45.0f, 45.0f, {0, -10}},   {5, 5, 7, 30.0f, 400.0f, {7, -2}}, // 430 degrees: 70
        {10, 10, 0, 0.0f, 90.0f, {10, 10}},
    };
    Surface& s = this->surface();
    for (const AngleArcCase& c : cases) {
        s.MoveTo(1, 1);
        s.DrawAngleArc(c.cx, c.cy, c.radius, c.start, c.sweep);
        EXPECT_EQ(s.MoveTo(0, 0), c.end) << c.start << " + " << c.sweep;
    }
}

TYPED_TEST(SurfaceContract, AngleArcWithNegativeRadiusDoesNothing)
{
    Surface& s = this->surface();
    s.MoveTo(4, 5);
    s.DrawAngleArc(10, 10, -3, 0.0f, 90.0f);
    EXPECT_EQ(s.MoveTo(0, 0), (Point{4, 5}));
}

TYPED_TEST(SurfaceContract, TextExtentGrowsWithTheText)
{
    Surface& s = this->surface();
    const Size one = s.TextExtent(u"W");
    const Size two = s.TextExtent(u"WW");
    EXPECT_GT(one.width, 0);
    EXPECT_GT(one.height, 0);
    EXPECT_GT(two.width, one.width);
    EXPECT_EQ(two.height, one.height);
    EXPECT_EQ(s.TextExtent(u"").width, 0);
}

} // namespace
} // namespace vantrel
