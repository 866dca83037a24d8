#include "editing/selection.h"

#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "paint/shapes.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class Selection : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    LogElement* Place(Point cell, std::int32_t id)
    {
        document.InsertElement(std::make_unique<LogAnd>(cell, id));
        return document.FindById(id);
    }

    std::vector<std::int32_t> SelectedIds()
    {
        std::vector<std::int32_t> ids;
        for (const LogElement* element : state.logicSelection)
            ids.push_back(element->id);
        return ids;
    }

    // Device point of a cell's anchor at zoom 1 from origin (0, 0).
    static Point At(int x, int y) { return {x * 80, y * 80}; }

    test::RecordingNotifier notifier{MessageAnswer::Ok};
    CVantrelDoc document;
    ViewState state;
};

TEST_F(Selection, RubberBandIncludesBothBordersInListOrder)
{
    int id = 0;
    for (int x = 0; x <= 6; ++x)
        for (int y = 4; y <= 9; ++y)
            Place({x, y}, ++id);
    state.dragAnchor = At(5, 5);
    SelectLogicByRelease(document, state, At(2, 8));
    ASSERT_EQ(state.logicSelection.size(), 16u);
    for (const LogElement* element : state.logicSelection) {
        EXPECT_TRUE(element->pos.x >= 2 && element->pos.x <= 5);
        EXPECT_TRUE(element->pos.y >= 5 && element->pos.y <= 8);
    }
}

TEST_F(Selection, ClickSelectsTheElementOfTheCellOrNothing)
{
    Place({1, 1}, 1);
    state.dragAnchor = At(1, 1) + Point{10, -12};
    SelectLogicByRelease(document, state, state.dragAnchor);
    EXPECT_EQ(SelectedIds(), std::vector<std::int32_t>{1});
    state.dragAnchor = At(3, 3);
    SelectLogicByRelease(document, state, At(3, 3));
    EXPECT_TRUE(state.logicSelection.empty());
}

TEST_F(Selection, ThreeMovesAreUndoneInOneStep)
{
    Place({1, 1}, 1);
    Place({4, 1}, 2);
    SelectAllLogic(document, state);
    const std::size_t records = document.UndoStack().size();
    for (int press = 0; press < 3; ++press)
        EXPECT_TRUE(MoveLogicSelection(document, state, 1, 0));
    EXPECT_EQ(document.FindById(1)->pos, (Point{4, 1})); // onto a taken cell
    EXPECT_EQ(document.FindAt({4, 1})->id, 1);           // the first in list order
    EXPECT_EQ(document.UndoStack().size(), records + 1);
    std::vector<LogElement*> restored;
    document.Undo(restored);
    EXPECT_EQ(document.FindById(1)->pos, (Point{1, 1}));
    EXPECT_EQ(document.FindById(2)->pos, (Point{4, 1}));
}

TEST_F(Selection, DeleteAsksFirstAndLeavesReadersUnwired)
{
    Place({1, 1}, 1);
    auto output = std::make_unique<LogOut>(Point{3, 1}, 2, 0, u"o");
    output->inputs[0] = 1;
    document.InsertElement(std::move(output));
    EXPECT_FALSE(DeleteLogicSelection(document, state)); // nothing selected: nothing asked
    EXPECT_TRUE(notifier.Messages().empty());

    state.logicSelection = {document.MainAt(0)};
    test::RecordingNotifier refusing{MessageAnswer::Cancel};
    document.SetNotifier(&refusing);
    EXPECT_FALSE(DeleteLogicSelection(document, state));
    EXPECT_EQ(refusing.Messages(), std::vector<std::string>{"Vantrel v2: DeleteElements?"});
    EXPECT_EQ(document.MainCount(), 2);

    document.SetNotifier(&notifier);
    EXPECT_TRUE(DeleteLogicSelection(document, state));
    EXPECT_TRUE(state.logicSelection.empty());
    EXPECT_EQ(document.MainCount(), 1);
    EXPECT_EQ(document.MainAt(0)->inputs[0], 1);
    EXPECT_EQ(document.UndoStack().back().kind, UndoRecord::kDeleted);
}

// The lists' order is the evaluation order: undoing a deletion puts every
// element back where it stood, whatever order the selection holds them in.
TEST_F(Selection, UndoAndRedoOfADeletionKeepTheOrderOfTheLists)
{
    const test::FakeImageCodec codec;
    auto bytes = [&] { return DesignBytes(document, u"", codec); };
    std::int32_t id = 0;
    for (int i = 0; i < 10; ++i)
        Place({i, 0}, ++id);
    for (int i = 0; i < 6; ++i)
        document.InsertElement(std::make_unique<GP_Register>(Point{i, 2}, ++id, 0, true, u"R"));
    const std::vector<std::uint8_t> original = bytes();
    // Elements by list and place, selected in the order given.
    using Places = std::vector<std::pair<int, std::size_t>>;
    for (const Places& places : {Places{{0, 2}, {0, 3}, {0, 6}, {0, 8}, {2, 1}, {2, 4}},
                                 Places{{2, 4}, {2, 1}, {0, 8}, {0, 6}, {0, 3}, {0, 2}},
                                 Places{{0, 6}, {2, 1}, {0, 2}, {0, 8}, {2, 4}, {0, 3}}}) {
        state.logicSelection.clear();
        for (const auto& [list, place] : places)
            state.logicSelection.push_back(document.elements[std::size_t(list)][place].get());
        const std::size_t selected = state.logicSelection.size();
        SCOPED_TRACE(::testing::PrintToString(places));
        ASSERT_TRUE(DeleteLogicSelection(document, state));
        const std::vector<std::uint8_t> deleted = bytes();
        ASSERT_NE(deleted, original);
        std::vector<LogElement*> restored;
        document.Undo(restored);
        EXPECT_EQ(bytes(), original);
        EXPECT_EQ(restored.size(), selected);
        document.Redo(restored);
        EXPECT_EQ(bytes(), deleted);
        document.Undo(restored);
        EXPECT_EQ(bytes(), original);
    }
}

TEST_F(Selection, SelectAllAndDeleteRemovePaintOfEveryPage)
{
    for (int page = 0; page < 3; ++page) {
        document.paintObjects.push_back(std::make_unique<Line>());
        document.paintObjects.back()->pageIndex = page;
    }
    SelectAllPaint(document, state);
    EXPECT_TRUE(EditPaintSelection(document, state, PaintKey::Delete, false));
    EXPECT_TRUE(document.paintObjects.empty());
    EXPECT_TRUE(state.paintSelection.empty());
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Vantrel v2: Sure?"});
}

TEST_F(Selection, AnyKeyOnAPaintSelectionMarksTheDesignModified)
{
    document.paintObjects.push_back(std::make_unique<Square>());
    document.paintObjects[0]->from = {-0.5f, -0.5f};
    document.paintObjects[0]->to = {0.5f, 0.5f};
    EXPECT_FALSE(EditPaintSelection(document, state, PaintKey::Other, false));
    SelectAllPaint(document, state);
    EXPECT_TRUE(EditPaintSelection(document, state, PaintKey::Other, false));
    EXPECT_TRUE(document.IsModified());

    EXPECT_TRUE(EditPaintSelection(document, state, PaintKey::WidenX, false));
    EXPECT_FLOAT_EQ(document.paintObjects[0]->from.x, -0.55f);
    EXPECT_FLOAT_EQ(document.paintObjects[0]->to.x, 0.55f);
    EXPECT_FLOAT_EQ(document.paintObjects[0]->to.y, 0.5f);

    EXPECT_TRUE(EditPaintSelection(document, state, PaintKey::Right, true));
    EXPECT_FLOAT_EQ(document.paintObjects[0]->from.x, -0.542f);
}

TEST_F(Selection, PaintClickTakesTheTopmostObjectOfTheCurrentPage)
{
    const Rect client{0, 0, 200, 200};
    for (int page : {0, 0, 1}) {
        auto square = std::make_unique<FilledSquare>();
        square->from = {-0.5f, -0.5f};
        square->to = {0.5f, 0.5f};
        square->pageIndex = page;
        document.paintObjects.push_back(std::move(square));
    }
    SelectPaintByClick(document, state, {100, 100}, client);
    ASSERT_EQ(state.paintSelection.size(), 1u);
    EXPECT_EQ(state.paintSelection[0], document.paintObjects[1].get());

    state.dragAnchor = {0, 0};
    SelectPaintByRubberBand(document, state, {200, 200}, client);
    EXPECT_EQ(state.paintSelection.size(), 2u);
}

} // namespace
} // namespace vantrel
