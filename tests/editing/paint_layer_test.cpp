#include "editing/paint_layer.h"

#include "document/vantrel_doc.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Calls = std::vector<std::string>;
constexpr Rect kClient{0, 0, 400, 200};

class PaintLayer : public ::testing::Test
{
protected:
    template <class T> T* Add(int page, int style = PaintStuff::kSolid)
    {
        auto object = std::make_unique<T>();
        object->pageIndex = page;
        object->style = style;
        T* raw = object.get();
        document.paintObjects.push_back(std::move(object));
        return raw;
    }

    Calls Draw()
    {
        test::RecordingSurface surface;
        DrawPaintLayer(surface, document, state, kClient);
        return surface.Calls();
    }

    CVantrelDoc document;
    ViewState state;
};

TEST_F(PaintLayer, DrawsTheCurrentPageInListOrderSelectedOnesActive)
{
    document.pageBackgrounds.resize(2);
    state.currentPage = 1;
    auto* line = Add<Line>(1, PaintStuff::kBlinking);
    line->from = {-0.5f, -0.5f};
    Add<Square>(0); // another page
    auto* text = Add<TextStuff>(1);
    text->text = u"Level";
    text->hasProgress = 1;
    text->progressMax = 900;
    state.paintSelection = {line};
    state.tick = 2;
    EXPECT_EQ(Draw(), (Calls{"MoveTo(100,50)", "SetPen(Solid,1,#ff0000)", "LineTo(200,100)",
                             "SetPen(Solid,1,#000000)", "SetTextColour(#000000)",
                             "DrawText(200,100,\"Level: 300\")", "SetTextColour(#000000)"}));
    // On an odd tick the selected blinking line shows its normal colour.
    state.tick = 3;
    EXPECT_EQ(Draw()[1], "SetPen(Solid,1,#000000)");
}

TEST_F(PaintLayer, ObjectUnderConstructionIsDrawnLastUnselectedAtTickZero)
{
    Add<Square>(0);
    auto shape = std::make_unique<TextStuff>();
    shape->text = u"New";
    shape->style = PaintStuff::kBlinking;
    shape->hasProgress = 1;
    state.paintSelection = {shape.get()}; // never shown selected
    state.underConstruction = std::move(shape);
    state.tick = 1;
    const Calls calls = Draw();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0], "SetPen(Solid,1,#000000)");
    EXPECT_EQ(calls[1], "DrawRectangle(200,100,200,100)");
    EXPECT_EQ(calls[3], "SetTextColour(#000000)");
    EXPECT_EQ(calls[4], "DrawText(200,100,\"New: 300\")");
}

TEST_F(PaintLayer, PreviewPictureDrawsTheLayerBetweenBackgroundAndStatusText)
{
    Add<Circle>(0);
    test::RecordingSurface surface;
    DrawPreviewPicture(surface, document, state, kClient, nullptr);
    const Calls& calls = surface.Calls();
    const auto at = [&](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    EXPECT_LT(at("FillRectangle(0,0,400,200,#ffffff)"), at("DrawEllipse(200,100,200,100)"));
    EXPECT_LT(at("DrawEllipse(200,100,200,100)"), at("DrawText(300,180,\"Page 1 / 1\")"));
    EXPECT_EQ(calls.back(), "DrawText(300,180,\"Page 1 / 1\")");
}

TEST_F(PaintLayer, OnlySelectedBlinkingOrMovingObjectsOfThePageChangeWithTheTick)
{
    document.pageBackgrounds.resize(2);
    struct Case
    {
        const char* what;
        int page;
        int style;
        bool selected;
        bool changes;
    };
    const Case cases[] = {
        {"selected blinking", 0, PaintStuff::kBlinking, true, true},
        {"selected moving", 0, PaintStuff::kMoving, true, true},
        {"unselected blinking", 0, PaintStuff::kBlinking, false, false},
        {"unselected moving", 0, PaintStuff::kMoving, false, false},
        {"selected solid", 0, PaintStuff::kSolid, true, false},
        {"selected moving on another page", 1, PaintStuff::kMoving, true, false},
    };
    for (const Case& c : cases) {
        document.paintObjects.clear();
        Add<Square>(0); // a still neighbour
        auto* line = Add<Line>(c.page, c.style);
        state.paintSelection.clear();
        if (c.selected)
            state.paintSelection.push_back(line);
        EXPECT_EQ(PaintLayerChangesWithTick(document, state), c.changes) << c.what;
    }
}

} // namespace
} // namespace vantrel
