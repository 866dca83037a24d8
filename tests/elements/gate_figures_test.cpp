#include "elements/big_gates.h"
#include "elements/gates.h"
#include "elements/io_elements.h"

#include "document/vantrel_doc.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Calls = std::vector<std::string>;

Calls FigureOf(const LogElement& element, int x = 100, int y = 50, int r = 20)
{
    CVantrelDoc document;
    test::RecordingSurface surface;
    element.DrawBody(surface, document, x, y, r);
    return surface.Calls();
}

TEST(GateFigures, EachKindDrawsItsShapeAroundTheAnchor)
{
    const std::string dShape = "DrawChord(40,30,120,70; 80,70 -> 80,30)";
    const std::string arrow = "DrawPolygon(80,30 120,50 80,70 90,50)";
    const std::string bubble = "DrawEllipse(114,44,126,56)";   // radius 20 / 3 = 6
    const std::string bar = "DrawPolyline(84,70 94,50 84,30)"; // 5r/6 = 16, r/3 = 6
    struct Case
    {
        const char* kind;
        std::unique_ptr<LogElement> gate;
        Calls calls;
    };
    Case cases[] = {
        {"And", std::make_unique<LogAnd>(), {dShape}},
        {"Or", std::make_unique<LogOr>(), {arrow}},
        {"NAND", std::make_unique<LogNAND>(), {dShape, bubble}},
        {"NOR", std::make_unique<LogNOR>(), {arrow, bubble}},
        {"XOR", std::make_unique<LogXOR>(), {arrow, bar}},
        {"NXOR", std::make_unique<LogNXOR>(), {arrow, bar, bubble}},
        {"Not",
         std::make_unique<LogNot>(),
         {"DrawPolygon(80,30 80,70 120,50)", "DrawEllipse(116,46,124,54)"}},
        {"Big And", std::make_unique<LogBigAnd>(), {dShape}},
        {"Big Or", std::make_unique<LogBigOr>(), {arrow}},
        {"Big Alarm", std::make_unique<LogBigAlarm>(), {"DrawRectangle(90,30,120,70)"}},
        {"plain big gate", std::make_unique<LogBigOp>(), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FigureOf(*c.gate), c.calls) << c.kind;
}

TEST(GateFigures, DivisionsTruncateTowardZeroAtOddSizes)
{
    // r = 7: r/3 = 2, r/2 = 3, 5r/6 = 5.
    EXPECT_EQ(FigureOf(LogNOR(), 0, 0, 7),
              (Calls{"DrawPolygon(-7,-7 7,0 -7,7 -3,0)", "DrawEllipse(5,-2,9,2)"}));
    EXPECT_EQ(FigureOf(LogXOR(), 0, 0, 7),
              (Calls{"DrawPolygon(-7,-7 7,0 -7,7 -3,0)", "DrawPolyline(-5,7 -2,0 -5,-7)"}));
}

TEST(IoFigures, InputsOutputsAndUserIoDrawTheirSymbolAndName)
{
    EXPECT_EQ(FigureOf(LogIn({}, 1, 0, u"Start")),
              (Calls{"DrawEllipse(100,30,120,50)", "MoveTo(110,40)", "LineTo(80,40)",
                     "DrawText(80,70,\"Start\")"}));
    EXPECT_EQ(FigureOf(LogOut({}, 1, 0, u"Lamp")),
              (Calls{"DrawEllipse(80,30,100,50)", "MoveTo(90,40)", "LineTo(120,40)",
                     "DrawText(80,70,\"Lamp\")"}));
    EXPECT_EQ(FigureOf(LogPulseUser({}, 1, 0, u"Jog")),
              (Calls{"DrawPolyline(110,40 100,40 100,30 90,30 90,40 80,40)",
                     "DrawEllipse(100,30,120,50)", "DrawText(80,70,\"Jog\")"}));
    EXPECT_EQ(FigureOf(LoggedUserOut({}, 1, 0, u"Door")),
              (Calls{"DrawEllipse(100,30,120,50)", "DrawText(80,70,\"Door\")", "MoveTo(104,34)",
                     "LineTo(116,46)", "MoveTo(104,46)", "LineTo(116,34)"}));
    EXPECT_EQ(FigureOf(Analog_Output({}, 1, 0, u"Valve")),
              (Calls{"DrawArc(100,30,120,50; 120,40 -> 100,40)", "DrawText(80,70,\"Valve\")"}));
    EXPECT_EQ(FigureOf(TempInput({}, 1, 4, 0, u"N")),
              (Calls{"DrawRectangle(80,30,120,50)", "DrawText(80,70,\"Aux Humidity\")"}));
}

} // namespace
} // namespace vantrel
