// The state rules every Surface keeps, checked on the Qt surface and on the
// recording surface alike: defaults, Select and Set returning the previous
// value, and which operations move the current position.
#include "platform/qt/qpainter_surface.h"
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

TYPED_TEST(SurfaceContract, DefaultsAndSelectReturnThePreviousValue)
{
    Surface& s = this->surface();
    EXPECT_EQ(s.SelectPen(Pen::Dashed(kRed)), Pen::Solid(1, 0));
    EXPECT_EQ(s.SelectPen(Pen::UserDashed(3, 0, {2, 4})), Pen::Dashed(kRed));
    EXPECT_EQ(s.SelectPen(Pen::Solid(1, 0)), Pen::UserDashed(3, 0, {2, 4}));
    EXPECT_EQ(s.SelectBrush(Brush::Hollow()), Brush::Solid(kWhite));
    EXPECT_EQ(s.SelectBrush(Brush::Solid(kRed)), Brush::Hollow());
    EXPECT_EQ(s.SetTextColor(kRed), 0u);
    EXPECT_EQ(s.SetTextColor(0), kRed);
    EXPECT_EQ(s.SetBkColor(kRed), kWhite);
    EXPECT_EQ(s.SetBkColor(kWhite), kRed);
    EXPECT_EQ(s.SetBkMode(BackgroundMode::Transparent), BackgroundMode::Opaque);
    EXPECT_EQ(s.SetBkMode(BackgroundMode::Opaque), BackgroundMode::Transparent);
    EXPECT_EQ(s.SetArcDirection(ArcDirection::Clockwise), ArcDirection::CounterClockwise);
    EXPECT_EQ(s.SetArcDirection(ArcDirection::CounterClockwise), ArcDirection::Clockwise);
}

TYPED_TEST(SurfaceContract, MoveToExReturnsThePreviousPosition)
{
    Surface& s = this->surface();
    EXPECT_EQ(s.MoveToEx(3, 4), (Point{0, 0}));
    EXPECT_EQ(s.MoveToEx(-5, 7), (Point{3, 4}));
    EXPECT_EQ(s.MoveToEx(0, 0), (Point{-5, 7}));
}

TYPED_TEST(SurfaceContract, LineToMovesThePosition)
{
    Surface& s = this->surface();
    s.MoveToEx(1, 2);
    s.LineTo(10, 2);
    s.LineTo(10, 20);
    EXPECT_EQ(s.MoveToEx(0, 0), (Point{10, 20}));
}

TYPED_TEST(SurfaceContract, FiguresKeepThePosition)
{
    Surface& s = this->surface();
    s.MoveToEx(7, 8);
    const Point points[] = {{1, 1}, {20, 5}, {9, 30}};
    s.Polyline(points);
    s.Polygon(points);
    s.Rectangle(1, 1, 20, 20);
    s.Ellipse(1, 1, 20, 20);
    s.Arc({1, 1, 20, 20}, {30, 10}, {10, 0});
    s.Chord({1, 1, 20, 20}, {30, 10}, {10, 0});
    s.FillRect({1, 1, 5, 5}, kRed);
    s.TextOutW(3, 3, u"Text");
    EXPECT_EQ(s.MoveToEx(0, 0), (Point{7, 8}));
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
        s.MoveToEx(1, 1);
        s.AngleArc(c.cx, c.cy, c.radius, c.start, c.sweep);
        EXPECT_EQ(s.MoveToEx(0, 0), c.end) << c.start << " + " << c.sweep;
    }
}

TYPED_TEST(SurfaceContract, AngleArcWithNegativeRadiusDoesNothing)
{
    Surface& s = this->surface();
    s.MoveToEx(4, 5);
    s.AngleArc(10, 10, -3, 0.0f, 90.0f);
    EXPECT_EQ(s.MoveToEx(0, 0), (Point{4, 5}));
}

TYPED_TEST(SurfaceContract, TextExtentGrowsWithTheText)
{
    Surface& s = this->surface();
    const Size one = s.GetTextExtentPoint32W(u"W");
    const Size two = s.GetTextExtentPoint32W(u"WW");
    EXPECT_GT(one.width, 0);
    EXPECT_GT(one.height, 0);
    EXPECT_GT(two.width, one.width);
    EXPECT_EQ(two.height, one.height);
    EXPECT_EQ(s.GetTextExtentPoint32W(u"").width, 0);
}

} // namespace
} // namespace vantrel
