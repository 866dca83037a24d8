// The paint tools on the document: shapes dragged out from the anchor,
// texts placed with a click, and the click selection that comes first.
#include "editing/paint_tools.h"

#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

using namespace command;

class PaintTools : public ::testing::Test
{
protected:
    PaintTools() { state.layoutMode = LayoutMode::Preview; }

    // Press at `from`, move over `via` to `to`, release there.
    bool Drag(int tool, Point from, Point via, Point to)
    {
        state.paintTool = tool;
        state.dragAnchor = from;
        DragPaintShape(state, via, client);
        DragPaintShape(state, to, client);
        return ReleasePaintTool(document, dialogs, state, to, client, false);
    }

    bool Click(int tool, Point at)
    {
        state.paintTool = tool;
        state.dragAnchor = at;
        return ReleasePaintTool(document, dialogs, state, at, client, false);
    }

    std::string Classes() const
    {
        std::string names;
        for (const auto& object : document.paintObjects)
            names += std::string(names.empty() ? "" : " ") + object->ClassName();
        return names;
    }

    CVantrelDoc document;
    test::ScriptedDialogs dialogs;
    ViewState state;
    const Rect client{0, 0, 800, 600};
};

TEST_F(PaintTools, EachShapeToolDragsOutItsClassFromTheAnchorToTheRelease)
{
    const struct
    {
        int tool;
        const char* className;
    } cases[] = {
        {kPaintLine, "Line"},
        {kPaintEllipse, "Circle"},
        {kPaintFilledEllipse, "FilledCircle"},
        {kPaintRectangle, "Square"},
        {kPaintFilledRectangle, "FilledSquare"},
    };
    state.currentPage = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        document.paintObjects.clear();
        ASSERT_TRUE(Drag(c.tool, {200, 150}, {700, 10}, {600, 450}));
        ASSERT_EQ(document.paintObjects.size(), 1u);
        const PaintStuff& shape = *document.paintObjects[0];
        EXPECT_STREQ(shape.ClassName(), c.className);
        EXPECT_EQ(shape.from, (FPoint{-0.5f, -0.5f}));
        EXPECT_EQ(shape.to, (FPoint{0.5f, 0.5f})); // the last move, not the one before
        EXPECT_EQ(shape.pageIndex, 2);
        EXPECT_EQ(shape.width, 1); // creation defaults otherwise
        EXPECT_EQ(shape.normalColor, Rgb(0, 0, 0));
        EXPECT_EQ(state.underConstruction, nullptr);
    }
}

TEST_F(PaintTools, TheObjectUnderConstructionIsReplacedOnEveryMove)
{
    state.paintTool = kPaintRectangle;
    state.dragAnchor = {400, 300};
    ASSERT_TRUE(DragPaintShape(state, {600, 450}, client));
    const PaintStuff* first = state.underConstruction.get();
    ASSERT_TRUE(DragPaintShape(state, {200, 150}, client));
    EXPECT_EQ(state.underConstruction->to, (FPoint{-0.5f, -0.5f}));
    EXPECT_NE(state.underConstruction.get(), first);
    EXPECT_TRUE(document.paintObjects.empty()); // only the release hands it over

    for (int tool : {kPaintSelect, kPaintText, kPaintFilledText, kPaintPen}) {
        state.paintTool = tool;
        state.underConstruction.reset();
        EXPECT_FALSE(DragPaintShape(state, {10, 10}, client)) << tool;
        EXPECT_EQ(state.underConstruction, nullptr);
    }
}

TEST_F(PaintTools, EllipsesGoBeneathEveryOtherObjectAndTheRestOnTop)
{
    Drag(kPaintRectangle, {100, 100}, {150, 150}, {300, 300});
    Drag(kPaintEllipse, {100, 100}, {150, 150}, {300, 300});
    Drag(kPaintLine, {100, 100}, {150, 150}, {300, 300});
    Drag(kPaintFilledEllipse, {100, 100}, {150, 150}, {300, 300});
    Drag(kPaintFilledRectangle, {100, 100}, {150, 150}, {300, 300});
    EXPECT_EQ(Classes(), "FilledCircle Circle Square Line FilledSquare");
    EXPECT_EQ(document.UndoStack().size(), 5u);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(PaintTools, ADragBackToTheAnchorIsAClickThatSelectsAndDiscardsTheShape)
{
    Drag(kPaintRectangle, {100, 100}, {150, 150}, {300, 300});
    state.paintTool = kPaintLine;
    state.dragAnchor = {200, 200};
    DragPaintShape(state, {250, 260}, client);
    DragPaintShape(state, {200, 200}, client);
    EXPECT_FALSE(ReleasePaintTool(document, dialogs, state, {200, 200}, client, false));
    EXPECT_EQ(Classes(), "Square");
    EXPECT_EQ(state.underConstruction, nullptr);
    ASSERT_EQ(state.paintSelection.size(), 1u);
    EXPECT_EQ(state.paintSelection[0], document.paintObjects[0].get());

    EXPECT_FALSE(Click(kPaintEllipse, {700, 500})); // nothing under the pointer
    EXPECT_TRUE(state.paintSelection.empty());
    EXPECT_EQ(document.UndoStack().size(), 1u);
}

TEST_F(PaintTools, ReleasingWithTheRightButtonHeldCreatesAndSelectsNothing)
{
    Drag(kPaintRectangle, {100, 100}, {150, 150}, {300, 300});
    state.paintSelection = {document.paintObjects[0].get()};
    const auto undoSteps = document.UndoStack().size();
    for (int tool : {kPaintEllipse, kPaintSelect, kPaintText}) {
        state.paintTool = tool;
        state.dragAnchor = {50, 50};
        DragPaintShape(state, {500, 500}, client);
        EXPECT_FALSE(ReleasePaintTool(document, dialogs, state, {500, 500}, client, true));
        EXPECT_FALSE(ReleasePaintTool(document, dialogs, state, {50, 50}, client, true));
        EXPECT_EQ(state.underConstruction, nullptr);
    }
    EXPECT_EQ(Classes(), "Square");
    EXPECT_EQ(state.paintSelection, std::vector<PaintStuff*>{document.paintObjects[0].get()});
    EXPECT_EQ(document.UndoStack().size(), undoSteps);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(PaintTools, TextToolsAskForTheTextAndPlaceItAtTheClick)
{
    dialogs.text = {u"Tank 1", false};
    state.currentPage = 1;
    ASSERT_TRUE(Click(kPaintText, {200, 150}));
    ASSERT_TRUE(Click(kPaintFilledText, {400, 300}));
    EXPECT_EQ(dialogs.calls,
              (std::vector<std::string>{R"(TextBox("", "", 0))", R"(TextBox("", "", 0))"}));
    EXPECT_EQ(Classes(), "TextStuff FilledText");
    const auto& text = static_cast<const TextStuff&>(*document.paintObjects[0]);
    EXPECT_EQ(text.text, u"Tank 1");
    EXPECT_EQ(text.from, (FPoint{-0.5f, -0.5f}));
    EXPECT_EQ(text.to, (FPoint{-1.0f, -1.0f}));
    EXPECT_EQ(text.pageIndex, 1);
    EXPECT_EQ(document.UndoStack().size(), 2u);
    // A new text is work to save like any other.
    EXPECT_TRUE(document.IsModified());
}

TEST_F(PaintTools, ACancelledOrEmptyTextPlacesNothingButTheClickStillSelects)
{
    Drag(kPaintRectangle, {100, 100}, {150, 150}, {300, 300});
    document.SetModified(false);
    for (bool cancel : {true, false}) {
        dialogs.cancel = cancel;
        dialogs.text = {u"", false};
        state.paintSelection.clear();
        EXPECT_FALSE(Click(kPaintText, {200, 200}));
        EXPECT_EQ(Classes(), "Square");
        EXPECT_EQ(state.paintSelection, std::vector<PaintStuff*>{document.paintObjects[0].get()});
    }
    EXPECT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(document.UndoStack().size(), 1u);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(PaintTools, TheSelectToolDragsARubberBandAndCreatesNothing)
{
    Drag(kPaintRectangle, {100, 100}, {150, 150}, {300, 300});
    Drag(kPaintLine, {500, 100}, {550, 150}, {700, 300});
    EXPECT_FALSE(Drag(kPaintSelect, {50, 50}, {200, 200}, {350, 350}));
    EXPECT_EQ(state.paintSelection, std::vector<PaintStuff*>{document.paintObjects[0].get()});
    EXPECT_EQ(document.paintObjects.size(), 2u);
}

} // namespace
} // namespace vantrel
