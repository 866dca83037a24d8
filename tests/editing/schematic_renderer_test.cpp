#include "editing/schematic_renderer.h"

#include "editing/canvas_geometry.h"

#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Calls = std::vector<std::string>;
constexpr Rect kClient{0, 0, 800, 600};

class DesignPicture : public ::testing::Test
{
protected:
    LogElement* Add(std::unique_ptr<LogElement> element)
    {
        LogElement* raw = element.get();
        document.elements[element->ListKind()].push_back(std::move(element));
        document.RebuildLoopSet();
        return raw;
    }

    std::unique_ptr<LogElement> Gate(Point at, std::int32_t id, std::int32_t a = 0,
                                     std::int32_t b = 0)
    {
        auto gate = std::make_unique<LogNot>(at, id);
        gate->inputs = {a, b, 0, 0};
        return gate;
    }

    Calls Draw()
    {
        test::RecordingSurface surface;
        DrawDesignPicture(surface, document, state, kClient);
        return surface.Calls();
    }

    // The pen each element body is drawn with, in drawing order (the
    // default black pen put back after each body left out).
    Calls BodyPens()
    {
        Calls pens;
        for (const std::string& call : Draw())
            if (call.rfind("SetPen(Solid", 0) == 0 && call != "SetPen(Solid,1,#000000)")
                pens.push_back(call);
        return pens;
    }

    CVantrelDoc document;
    ViewState state;
};

const std::string kNormal = "SetPen(Solid,1,#323200)";
const std::string kSelected = "SetPen(Solid,2,#c00000)";
const std::string kOpen = "SetPen(Solid,2,#0000c0)";
const std::string kLoop = "SetPen(Solid,1,#00c000)";

TEST_F(DesignPicture, PenPrecedenceIsSelectedThenOpenThenLoop)
{
    Add(Gate({1, 1}, 1, 8)); // connected: normal
    Add(Gate({1, 2}, 2, 0)); // not connected: open
    Add(Gate({1, 3}, 3, 4)); // 3 and 4 feed each other: loop
    Add(Gate({1, 4}, 4, 3));
    Add(Gate({1, 5}, 5, 5));   // on a loop, but selected
    Add(Gate({1, 6}, 6, 0));   // open, but selected
    Add(Gate({1, 7}, 7, 404)); // its source was deleted: open
    auto looped = std::make_unique<LogAnd>(Point{1, 8}, 8);
    looped->inputs = {8, 0, 0, 0}; // reads itself and has an open input: open wins
    Add(std::move(looped));
    state.logicSelection = {document.MainAt(4), document.MainAt(5)};
    EXPECT_EQ(BodyPens(),
              (Calls{kNormal, kOpen, kLoop, kLoop, kSelected, kSelected, kOpen, kOpen}));
}

TEST_F(DesignPicture, ConnectionsRunFromInputPinsToSourceOutputsWithTheDefaultPen)
{
    Add(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"a"));
    Add(Gate({2, 0}, 2, 1));
    Add(Gate({2, 2}, 3, 404)); // deleted source: no line
    Calls calls = Draw();
    // The inverter at (2, 0) has its input at (160 - 20, 0); the input's output is at (20, -10).
    auto line = std::find(calls.begin(), calls.end(), "MoveTo(140,0)");
    ASSERT_NE(line, calls.end());
    EXPECT_EQ(*(line + 1), "LineTo(20,-10)");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "MoveTo(140,160)"), 1); // its stub only
}

TEST_F(DesignPicture, FarAwayElementsKeepTheirConnectionsButAreNotDrawn)
{
    Add(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"a"));
    Add(Gate({100, 0}, 2, 1)); // anchor at x 8000, far right of the window
    const Calls calls = Draw();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "LineTo(20,-10)"), calls.end());
    EXPECT_EQ(BodyPens().size(), 1u);

    state.origin = {-2, 0}; // anchor at x = 200 + 800 - 1 is inside the margin; at 1000 not
    document.MainAt(1)->pos = {10, 0};
    EXPECT_EQ(BodyPens().size(), 2u);
    document.MainAt(1)->pos = {11, 0};
    EXPECT_EQ(BodyPens().size(), 1u);
}

TEST_F(DesignPicture, ElementNumbersCountEachListFromOne)
{
    Add(Gate({0, 0}, 1));
    Add(Gate({0, 1}, 2));
    Add(std::make_unique<Acc>(Point{3, 0}, 3, u"acc", 0));
    state.showElementNumbers = true;
    Calls texts = {};
    for (const std::string& call : Draw())
        if (call.rfind("DrawText", 0) == 0)
            texts.push_back(call);
    EXPECT_EQ(texts,
              (Calls{"DrawText(0,0,\"1\")", "DrawText(0,80,\"2\")", "DrawText(220,20,\"acc\")",
                     "DrawText(240,0,\"1\")", "DrawText(620,580,\"2 logic elements V2\")"}));
}

// Texts keep their size (16 pixels high here) while elements shrink: below
// zoom 1 an element lower than a line of text is drawn without its texts,
// numbers included; its figure and the status text stay.
TEST_F(DesignPicture, ElementTextsAreLeftOutOnceElementsAreLowerThanALineOfText)
{
    Add(std::make_unique<Acc>(Point{3, 0}, 3, u"acc", 0));
    state.showElementNumbers = true;
    const auto texts = [this](double zoom) {
        state.zoom = zoom;
        Calls drawn;
        bool figure = false;
        for (const std::string& call : Draw()) {
            if (call.rfind("DrawText", 0) == 0)
                drawn.push_back(call);
            figure = figure || call.rfind("DrawRectangle", 0) == 0;
        }
        EXPECT_TRUE(figure) << "at zoom " << zoom;
        return drawn;
    };
    EXPECT_EQ(texts(1.0), (Calls{"DrawText(220,20,\"acc\")", "DrawText(240,0,\"1\")",
                                 "DrawText(620,580,\"0 logic elements V2\")"}));
    EXPECT_EQ(texts(0.5).size(), 3u) << "2r = 20 is a line of text and more";
    EXPECT_EQ(texts(0.375), (Calls{"DrawText(620,580,\"0 logic elements V2\")"}));
    EXPECT_EQ(texts(kMinZoom), (Calls{"DrawText(620,580,\"0 logic elements V2\")"}));
}

TEST_F(DesignPicture, StatusCountsOnlyTheMainList)
{
    Add(std::make_unique<Acc>(Point{3, 0}, 3, u"", 0));
    const Calls calls = Draw();
    EXPECT_EQ(calls.back(), "SetBrush(Solid,#ffffff)");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawText(620,580,\"0 logic elements V2\")"),
              calls.end());
}

TEST_F(DesignPicture, DragFeedbackComesAfterTheElements)
{
    state.dragAnchor = {10, 20};
    state.connectionPreviewEnd = Point{50, 60};
    state.rubberBandCorner = Point{70, 80};
    const Calls calls = Draw();
    const Calls tail(calls.end() - 7, calls.end());
    EXPECT_EQ(tail,
              (Calls{"MoveTo(10,20)", "LineTo(50,60)", "SetPen(Dash,1,#000000)",
                     "DrawRectangle(10,20,70,80)", "SetPen(Solid,1,#000000)",
                     "DrawText(620,580,\"0 logic elements V2\")", "SetBrush(Solid,#ffffff)"}));
}

TEST(PreviewPicture, EmptyPageShowsTheBackgroundColourAndThePageNumber)
{
    CVantrelDoc document;
    document.backgroundColour = Rgb(1, 2, 3);
    document.pageBackgrounds.resize(3);
    ViewState state;
    state.currentPage = 1;
    test::RecordingSurface surface;
    DrawPreviewPicture(surface, document, state, kClient, nullptr);
    EXPECT_EQ(surface.Calls(),
              (Calls{"SetBackgroundMode(Transparent)", "SetBrush(Hollow)",
                     "FillRectangle(0,0,800,600,#010203)", "SetBrush(Solid,#ffffff)",
                     "DrawText(700,580,\"Page 2 / 3\")"}));
    surface.Clear();
    Image scaled{800, 600, std::vector<std::uint32_t>(800 * 600, 0xFF00FF00)};
    DrawPreviewPicture(surface, document, state, kClient, &scaled);
    EXPECT_EQ(surface.Calls()[2], "DrawImageStretched(800x600 -> 0,0,800,600)");
}

} // namespace
} // namespace vantrel
