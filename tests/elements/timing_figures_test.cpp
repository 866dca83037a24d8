#include "elements/comparators.h"
#include "elements/element_drawing.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"

#include "document/vantrel_doc.h"
#include "support/element_contract.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Calls = std::vector<std::string>;

// Figures at anchor (100, 50), and at (0, 0) for the odd size 7, where
// three quarters of r is 3r div 4 (5), not 3 times r div 4 (3).
TEST(TimingFigures, EachKindDrawsItsSymbolAroundTheAnchor)
{
    CVantrelDoc document;
    test::FigureCase cases[] = {
        {"delay",
         std::make_unique<LogDelay>(Point{}, 1, 10),
         20,
         {"DrawEllipse(90,30,110,50)", "MoveTo(100,40)", "LineTo(90,35)",
          "DrawText(80,60,\"10 s\")"}},
        {"pulse delay",
         std::make_unique<LogPulseDelay>(Point{}, 1, 0),
         20,
         {"DrawEllipse(90,30,110,50)", "DrawPolyline(90,40 95,40 95,30 105,30 105,40 110,40)",
          "DrawText(80,60,\"0 s\")"}},
        {"var delay",
         std::make_unique<LogVarDelay>(),
         20,
         {"DrawEllipse(80,30,120,70)", "MoveTo(100,50)", "LineTo(90,35)"}},
        {"var pulse delay",
         std::make_unique<LogVarPulseDelay>(),
         20,
         {"DrawEllipse(80,30,120,70)", "DrawPolyline(80,50 95,50 95,40 105,40 105,50 120,50)"}},
        {"filter",
         std::make_unique<LogFilter>(),
         20,
         {"MoveTo(120,50)", "DrawAngleArc(90,50,10,0,180)", "DrawAngleArc(110,50,10,180,180)"}},
        {"clock at 1 Hz",
         std::make_unique<LogClock>(Point{}, 1, 7),
         20,
         {"DrawPolyline(110,40 100,40 100,30 90,30 90,40 80,40)", "DrawText(80,70,\"1.000000\")"}},
        {"timer",
         std::make_unique<LogTimer>(Point{}, 1, u"Run", true),
         20,
         {"DrawRectangle(80,30,120,70)", "MoveTo(100,50)", "LineTo(80,35)",
          "DrawText(80,70,\"Run\")"}},
        {"speed",
         std::make_unique<LogSpeed>(Point{}, 1, u"Fan \u00e9"),
         20,
         {"DrawAngleArc(100,50,20,0,180)", "MoveTo(100,50)", "LineTo(110,40)",
          "DrawText(80,70,\"Fan \u00e9\")"}},
    };
    for (test::FigureCase& c : cases)
        EXPECT_EQ(test::FigureCalls(*c.element, document, 100, 50, c.r), c.calls) << c.what;

    test::FigureCase oddSizes[] = {
        {"delay",
         std::make_unique<LogDelay>(Point{}, 1, 2000),
         7,
         {"DrawEllipse(-3,-7,3,0)", "MoveTo(0,-3)", "LineTo(-3,-5)", "DrawText(-7,3,\"2000 s\")"}},
        {"timer",
         std::make_unique<LogTimer>(Point{}, 1, u"", false),
         7,
         {"DrawRectangle(-7,-7,7,7)", "MoveTo(0,0)", "LineTo(-7,-5)", "DrawText(-7,7,\"\")"}},
        {"clock at 32 s",
         std::make_unique<LogClock>(Point{}, 1, 12),
         7,
         {"DrawPolyline(3,-3 0,-3 0,-7 -3,-7 -3,-3 -7,-3)", "DrawText(-7,7,\"0.031250\")"}},
    };
    for (test::FigureCase& c : oddSizes)
        EXPECT_EQ(test::FigureCalls(*c.element, document, 0, 0, c.r), c.calls) << c.what;
}

// The speed's half dial has no move of its own: its arc starts with a line
// from the end of the input stub, which closes the dial at the bottom.
TEST(TimingFigures, SpeedDialContinuesFromTheInputStub)
{
    CVantrelDoc document;
    test::RecordingSurface surface;
    DrawElementWithPins(surface, document, LogSpeed({}, 1, u"Fan"), 100, 50, 20);
    EXPECT_EQ(surface.Calls(),
              (Calls{"MoveTo(120,50)", "LineTo(124,50)", "MoveTo(80,50)", "LineTo(76,50)",
                     "DrawAngleArc(100,50,20,0,180)", "MoveTo(100,50)", "LineTo(110,40)",
                     "DrawText(80,70,\"Fan\")"}));
}

TEST(TriggerFigures, MemoryKindsShareTheTallBodyAndComparatorsShowTheirRelation)
{
    CVantrelDoc document;
    const std::string body = "DrawRectangle(90,30,110,70)";
    test::FigureCase cases[] = {
        {"plain trigger", std::make_unique<LogTrigger>(), 20, {body}},
        {"mem", std::make_unique<LogMem>(), 20, {body}},
        {"switch", std::make_unique<LogSwitch>(), 20, {body}},
        {"toggle", std::make_unique<LogToggle>(), 20, {body}},
        {"delayed stop trigger", std::make_unique<LogDelayedSwitch>(), 20, {body}},
        {"toggle at an odd size",
         std::make_unique<LogToggle>(),
         7,
         {"DrawRectangle(97,43,103,57)"}},
        {"comp ==",
         std::make_unique<LogCompEq>(),
         20,
         {"DrawEllipse(80,30,120,70)", "DrawText(100,50,\"==\")"}},
        {"comp >",
         std::make_unique<LogCompL>(),
         20,
         {"DrawEllipse(80,30,120,70)", "DrawText(100,50,\">\")"}},
    };
    for (test::FigureCase& c : cases)
        EXPECT_EQ(test::FigureCalls(*c.element, document, 100, 50, c.r), c.calls) << c.what;
}

} // namespace
} // namespace vantrel
