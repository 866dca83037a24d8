#include "elements/element_drawing.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ElementDrawing, StubsComeBeforeTheFigure)
{
    CVantrelDoc document;
    test::RecordingSurface surface;
    DrawElementWithPins(surface, document, LogAnd(), 100, 50, 20);
    EXPECT_EQ(surface.Calls(),
              (std::vector<std::string>{"MoveTo(120,50)", "LineTo(124,50)", "MoveTo(80,43)",
                                        "LineTo(76,43)", "MoveTo(80,56)", "LineTo(76,56)",
                                        "DrawChord(40,30,120,70; 80,70 -> 80,30)"}));
    surface.Clear();
    DrawElementWithPins(surface, document, LogUserOut({}, 1, 0, u"B"), 0, 0, 20);
    EXPECT_EQ(surface.Calls()[0], "MoveTo(0,-10)"); // no output; the input sits on the figure
}

} // namespace
} // namespace vantrel
