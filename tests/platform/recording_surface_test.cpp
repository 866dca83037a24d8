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
    s.SelectPen(Pen::Solid(2, Rgb(0xFF, 0, 0)));
    s.SelectPen(Pen::Dashed(0));
    s.SelectPen(Pen::UserDashed(3, Rgb(0, 0x80, 0xFF), {2, 4}));
    s.SelectBrush(Brush::Hollow());
    s.SelectBrush(Brush::Solid(Rgb(0x12, 0x34, 0x56)));
    s.SetTextColor(Rgb(0, 0, 0xFF));
    s.SetBkColor(0xFFFFFF);
    s.SetBkMode(BackgroundMode::Transparent);
    s.SetBkMode(BackgroundMode::Opaque);
    s.SetArcDirection(ArcDirection::Clockwise);
    s.SetArcDirection(ArcDirection::CounterClockwise);
    s.MoveToEx(-3, 4);
    s.LineTo(10, -20);
    const Point arrow[] = {{-20, -20}, {20, 0}, {-20, 20}, {-10, 0}};
    s.Polyline(arrow);
    s.Polygon(arrow);
    s.Rectangle(0, 0, 10, 10);
    s.Ellipse(-5, -5, 5, 5);
    s.Arc({-40, -20, 20, 20}, {-20, 20}, {-20, -20});
    s.Chord({-40, -20, 20, 20}, {-20, 20}, {-20, -20});
    s.AngleArc(1, 2, 3, 90.0f, -22.5f);
    s.FillRect({1, 2, 3, 4}, Rgb(0xAB, 0xCD, 0xEF));
    s.TextOutW(5, 6, u"Level: 333");
    s.GetTextExtentPoint32W(u"Gr\u00FC\u00DFe");
    s.StretchImage(Image{2, 1, {0, 0}}, {0, 0, 640, 480});
    EXPECT_EQ(s.Calls(), (Calls{
                             "SelectPen(Solid,2,#ff0000)",
                             "SelectPen(Dash,1,#000000)",
                             "SelectPen(UserDash,3,#0080ff,{2,4})",
                             "SelectBrush(Hollow)",
                             "SelectBrush(Solid,#123456)",
                             "SetTextColor(#0000ff)",
                             "SetBkColor(#ffffff)",
                             "SetBkMode(Transparent)",
                             "SetBkMode(Opaque)",
                             "SetArcDirection(Clockwise)",
                             "SetArcDirection(CounterClockwise)",
                             "MoveToEx(-3,4)",
                             "LineTo(10,-20)",
                             "Polyline(-20,-20 20,0 -20,20 -10,0)",
                             "Polygon(-20,-20 20,0 -20,20 -10,0)",
                             "Rectangle(0,0,10,10)",
                             "Ellipse(-5,-5,5,5)",
                             "Arc(-40,-20,20,20; -20,20 -> -20,-20)",
                             "Chord(-40,-20,20,20; -20,20 -> -20,-20)",
                             "AngleArc(1,2,3,90,-22.5)",
                             "FillRect(1,2,3,4,#abcdef)",
                             R"(TextOutW(5,6,"Level: 333"))",
                             "GetTextExtentPoint32W(\"Gr\xC3\xBC\xC3\x9F"
                             "e\")",
                             "StretchImage(2x1 -> 0,0,640,480)",
                         }));
}

TEST(RecordingSurface, FiltersByOperation)
{
    RecordingSurface s;
    s.MoveToEx(0, 0);
    s.LineTo(1, 0);
    s.Polyline({});
    s.LineTo(1, 1);
    EXPECT_EQ(s.Calls("LineTo"), (Calls{"LineTo(1,0)", "LineTo(1,1)"}));
    EXPECT_EQ(s.Calls("Polyline"), (Calls{"Polyline()"}));
    EXPECT_EQ(s.Calls("Poly"), Calls{});
    s.Clear();
    EXPECT_TRUE(s.Calls().empty());
    EXPECT_EQ(s.State().position, (Point{1, 1})) << "Clear keeps the state";
}

TEST(RecordingSurface, TextExtentIsAFixedFake)
{
    RecordingSurface s;
    EXPECT_EQ(s.GetTextExtentPoint32W(u"abc"), (Size{24, 16}));
    EXPECT_EQ(s.GetTextExtentPoint32W(u""), (Size{0, 16}));
}

TEST(RecordingSurface, KeepsTheCurrentState)
{
    RecordingSurface s;
    s.SelectPen(Pen::Solid(2, 5));
    s.SelectBrush(Brush::Hollow());
    s.SetTextColor(6);
    s.SetBkColor(7);
    s.SetBkMode(BackgroundMode::Transparent);
    s.SetArcDirection(ArcDirection::Clockwise);
    s.MoveToEx(8, 9);
    const SurfaceState& state = s.State();
    EXPECT_EQ(state.pen, Pen::Solid(2, 5));
    EXPECT_EQ(state.brush, Brush::Hollow());
    EXPECT_EQ(state.textColour, 6u);
    EXPECT_EQ(state.bkColour, 7u);
    EXPECT_EQ(state.bkMode, BackgroundMode::Transparent);
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
