// The recording surface of the tests: the documented line format, the
// filter by operation and the fake text extent.
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel::test {
namespace {

using Calls = std::vector<std::string>;

TEST(RecordingSurface, RecordsEveryCallInTheDocumentedFormat)
{
    RecordingSurface s;
    s.SetPen(Pen::Solid(2, Rgb(0xFF, 0, 0)));
    s.SetPen(Pen::Dashed(0));
    s.SetPen(Pen::UserDashed(3, Rgb(0, 0x80, 0xFF), {2, 4}));
    s.SetBrush(Brush::Hollow());
    s.SetBrush(Brush::Solid(Rgb(0x12, 0x34, 0x56)));
    s.SetTextColour(Rgb(0, 0, 0xFF));
    s.SetTextBackground(0xFFFFFF);
    s.SetBackgroundMode(BackgroundMode::Transparent);
    s.SetBackgroundMode(BackgroundMode::Opaque);
    s.SetArcDirection(ArcDirection::Clockwise);
    s.SetArcDirection(ArcDirection::CounterClockwise);
    s.MoveTo(-3, 4);
    s.LineTo(10, -20);
    const Point arrow[] = {{-20, -20}, {20, 0}, {-20, 20}, {-10, 0}};
    s.DrawPolyline(arrow);
    s.DrawPolygon(arrow);
    s.DrawRectangle(0, 0, 10, 10);
    s.DrawEllipse(-5, -5, 5, 5);
    s.DrawArc({-40, -20, 20, 20}, {-20, 20}, {-20, -20});
    s.DrawChord({-40, -20, 20, 20}, {-20, 20}, {-20, -20});
    s.DrawAngleArc(1, 2, 3, 90.0f, -22.5f);
    s.FillRectangle({1, 2, 3, 4}, Rgb(0xAB, 0xCD, 0xEF));
    s.DrawText(5, 6, u"Level: 333");
    s.TextExtent(u"Gr\u00FC\u00DFe");
    s.DrawImageStretched(Image{2, 1, {0, 0}}, {0, 0, 640, 480});
    EXPECT_EQ(s.Calls(), (Calls{
                             "SetPen(Solid,2,#ff0000)",
                             "SetPen(Dash,1,#000000)",
                             "SetPen(UserDash,3,#0080ff,{2,4})",
                             "SetBrush(Hollow)",
                             "SetBrush(Solid,#123456)",
                             "SetTextColour(#0000ff)",
                             "SetTextBackground(#ffffff)",
                             "SetBackgroundMode(Transparent)",
                             "SetBackgroundMode(Opaque)",
                             "SetArcDirection(Clockwise)",
                             "SetArcDirection(CounterClockwise)",
                             "MoveTo(-3,4)",
                             "LineTo(10,-20)",
                             "DrawPolyline(-20,-20 20,0 -20,20 -10,0)",
                             "DrawPolygon(-20,-20 20,0 -20,20 -10,0)",
                             "DrawRectangle(0,0,10,10)",
                             "DrawEllipse(-5,-5,5,5)",
                             "DrawArc(-40,-20,20,20; -20,20 -> -20,-20)",
                             "DrawChord(-40,-20,20,20; -20,20 -> -20,-20)",
                             "DrawAngleArc(1,2,3,90,-22.5)",
                             "FillRectangle(1,2,3,4,#abcdef)",
                             R"(DrawText(5,6,"Level: 333"))",
                             "TextExtent(\"Gr\u00FC\u00DFe\")",
                             "DrawImageStretched(2x1 -> 0,0,640,480)",
                         }));
}

TEST(RecordingSurface, FiltersByOperation)
{
    RecordingSurface s;
    s.MoveTo(0, 0);
    s.LineTo(1, 0);
    s.DrawPolyline({});
    s.LineTo(1, 1);
    EXPECT_EQ(s.Calls("LineTo"), (Calls{"LineTo(1,0)", "LineTo(1,1)"}));
    EXPECT_EQ(s.Calls("DrawPolyline"), (Calls{"DrawPolyline()"}));
    EXPECT_EQ(s.Calls("Poly"), Calls{});
    s.Clear();
    EXPECT_TRUE(s.Calls().empty());
    EXPECT_EQ(s.State().position, (Point{1, 1})) << "Clear keeps the state";
}

TEST(RecordingSurface, TextExtentIsAFixedFake)
{
    RecordingSurface s;
    EXPECT_EQ(s.TextExtent(u"abc"), (Size{24, 16}));
    EXPECT_EQ(s.TextExtent(u""), (Size{0, 16}));
}

TEST(RecordingSurface, KeepsTheCurrentState)
{
    RecordingSurface s;
    s.SetPen(Pen::Solid(2, 5));
    s.SetBrush(Brush::Hollow());
    s.SetTextColour(6);
    s.SetTextBackground(7);
    s.SetBackgroundMode(BackgroundMode::Transparent);
    s.SetArcDirection(ArcDirection::Clockwise);
    s.MoveTo(8, 9);
    const SurfaceState& state = s.State();
    EXPECT_EQ(state.pen, Pen::Solid(2, 5));
    EXPECT_EQ(state.brush, Brush::Hollow());
    EXPECT_EQ(state.textColour, 6u);
    EXPECT_EQ(state.textBackground, 7u);
    EXPECT_EQ(state.backgroundMode, BackgroundMode::Transparent);
    EXPECT_EQ(state.arcDirection, ArcDirection::Clockwise);
    EXPECT_EQ(state.position, (Point{8, 9}));
}

TEST(RecordingSurface, FormatsColoursRedFirst)
{
    EXPECT_EQ(HexColour(0x0000FF), "#ff0000");
    EXPECT_EQ(HexColour(Rgb(0x12, 0x34, 0x56)), "#123456");
    EXPECT_EQ(HexColour(0xFF000000), "#000000") << "the high byte is not a colour";
}

} // namespace
} // namespace vantrel::test
