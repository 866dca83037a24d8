#include "elements/comparators.h"
#include "elements/element_drawing.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"

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

TEST(TimingFigures, EachKindDrawsItsSymbolAroundTheAnchor)
{
    struct Case
    {
        std::unique_ptr<LogElement> element;
        Calls calls;
    };
    Case cases[] = {
        {std::make_unique<LogDelay>(Point{}, 1, 10),
         {"Ellipse(90,30,110,50)", "MoveToEx(100,40)", "LineTo(90,35)",
          "TextOutW(80,60,\"10 s\")"}},
        {std::make_unique<LogPulseDelay>(Point{}, 1, 0),
         {"Ellipse(90,30,110,50)", "Polyline(90,40 95,40 95,30 105,30 105,40 110,40)",
          "TextOutW(80,60,\"0 s\")"}},
        {std::make_unique<LogVarDelay>(),
         {"Ellipse(80,30,120,70)", "MoveToEx(100,50)", "LineTo(90,35)"}},
        {std::make_unique<LogVarPulseDelay>(),
         {"Ellipse(80,30,120,70)", "Polyline(80,50 95,50 95,40 105,40 105,50 120,50)"}},
        {std::make_unique<LogFilter>(),
         {"MoveToEx(120,50)", "AngleArc(90,50,10,0,180)", "AngleArc(110,50,10,180,180)"}},
        {std::make_unique<LogClock>(Point{}, 1, 7),
         {"Polyline(110,40 100,40 100,30 90,30 90,40 80,40)", "TextOutW(80,70,\"1.000000\")"}},
        {std::make_unique<LogTimer>(Point{}, 1, u"Run", true),
         {"Rectangle(80,30,120,70)", "MoveToEx(100,50)", "LineTo(80,35)",
          "TextOutW(80,70,\"Run\")"}},
        {std::make_unique<LogSpeed>(Point{}, 1, u"Fan \u00e9"),
         {"AngleArc(100,50,20,0,180)", "MoveToEx(100,50)", "LineTo(110,40)",
          "TextOutW(80,70,\"Fan \u00e9\")"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FigureOf(*c.element), c.calls) << c.element->ClassName();
}

// Three quarters of r is 3r div 4, not 3 times r div 4.
TEST(TimingFigures, DivisionsTruncateTowardZeroAtOddSizes)
{
    EXPECT_EQ(FigureOf(LogDelay({}, 1, 2000), 0, 0, 7),
              (Calls{"Ellipse(-3,-7,3,0)", "MoveToEx(0,-3)", "LineTo(-3,-5)",
                     "TextOutW(-7,3,\"2000 s\")"}));
    EXPECT_EQ(
        FigureOf(LogTimer({}, 1, u"", false), 0, 0, 7),
        (Calls{"Rectangle(-7,-7,7,7)", "MoveToEx(0,0)", "LineTo(-7,-5)", "TextOutW(-7,7,\"\")"}));
    EXPECT_EQ(FigureOf(LogClock({}, 1, 12), 0, 0, 7),
              (Calls{"Polyline(3,-3 0,-3 0,-7 -3,-7 -3,-3 -7,-3)", "TextOutW(-7,7,\"0.031250\")"}));
}

// The speed's half dial has no move of its own: its arc starts with a line
// from the end of the input stub, which closes the dial at the bottom.
TEST(TimingFigures, SpeedDialContinuesFromTheInputStub)
{
    CVantrelDoc document;
    test::RecordingSurface surface;
    DrawElementWithPins(surface, document, LogSpeed({}, 1, u"Fan"), 100, 50, 20);
    EXPECT_EQ(surface.Calls(),
              (Calls{"MoveToEx(120,50)", "LineTo(124,50)", "MoveToEx(80,50)", "LineTo(76,50)",
                     "AngleArc(100,50,20,0,180)", "MoveToEx(100,50)", "LineTo(110,40)",
                     "TextOutW(80,70,\"Fan\")"}));
}

TEST(TriggerFigures, MemoryKindsShareTheTallBodyAndComparatorsShowTheirRelation)
{
    const std::string body = "Rectangle(90,30,110,70)";
    struct Case
    {
        std::unique_ptr<LogElement> element;
        Calls calls;
    };
    Case cases[] = {
        {std::make_unique<LogTrigger>(), {body}},
        {std::make_unique<LogMem>(), {body}},
        {std::make_unique<LogSwitch>(), {body}},
        {std::make_unique<LogToggle>(), {body}},
        {std::make_unique<LogDelayedSwitch>(), {body}},
        {std::make_unique<LogCompEq>(), {"Ellipse(80,30,120,70)", "TextOutW(100,50,\"==\")"}},
        {std::make_unique<LogCompL>(), {"Ellipse(80,30,120,70)", "TextOutW(100,50,\">\")"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FigureOf(*c.element), c.calls) << c.element->ClassName();
    EXPECT_EQ(FigureOf(LogToggle(), 0, 0, 7), Calls{"Rectangle(-3,-7,3,7)"});
}

} // namespace
} // namespace vantrel
