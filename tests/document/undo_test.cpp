#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"

#include "elements/gates.h"
#include "paint/shapes.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class UndoHistory : public ::testing::Test
{
protected:
    LogElement* Place(Point at, std::int32_t id)
    {
        EditTransaction edit(document, UndoRecord::kAdded);
        EXPECT_TRUE(edit.Insert(std::make_unique<LogAnd>(at, id)));
        edit.Commit();
        return document.FindDirectById(id);
    }

    // What the editor does for an arrow-key move: record, then change.
    void Move(const std::vector<std::int32_t>& ids, int dx)
    {
        UndoRecord record{UndoRecord::kChanged, {}, {}};
        for (std::int32_t id : ids)
            record.elements.push_back(document.FindById(id)->Clone());
        document.PushUndo(std::move(record));
        for (std::int32_t id : ids)
            document.FindById(id)->pos.x += dx;
    }

    int X(std::int32_t id) { return document.FindById(id)->pos.x; }

    CVantrelDoc document;
    std::vector<LogElement*> selection;
};

TEST_F(UndoHistory, TenArrowMovesUndoInOneStep)
{
    Place({0, 0}, 1);
    Place({0, 1}, 2);
    for (int press = 0; press < 10; ++press)
        Move({1, 2}, 1);
    EXPECT_EQ(document.UndoStack().size(), 3u); // two placements, one move
    document.Undo(selection);
    EXPECT_EQ(X(1), 0);
    EXPECT_EQ(X(2), 0);
    EXPECT_EQ(selection.size(), 2u);
    document.Redo(selection);
    EXPECT_EQ(X(1), 10);
}

TEST_F(UndoHistory, AlternatingSelectionsGiveOneRecordEach)
{
    Place({0, 0}, 1);
    Place({0, 1}, 2);
    const std::size_t before = document.UndoStack().size();
    Move({1}, 1);
    Move({2}, 1);
    Move({1}, 1);
    EXPECT_EQ(document.UndoStack().size(), before + 3);
}

TEST_F(UndoHistory, KeepsTheNewest128Records)
{
    for (int id = 1; id <= 130; ++id)
        Place({id, 0}, id);
    EXPECT_EQ(document.UndoStack().size(), 128u);
    for (int step = 0; step < 128; ++step)
        document.Undo(selection);
    EXPECT_EQ(document.MainCount(), 2); // the two oldest placements cannot be undone
    EXPECT_EQ(document.RedoStack().size(), 128u);
}

TEST_F(UndoHistory, NewActionEmptiesRedoEvenWhenMerged)
{
    Place({0, 0}, 1);
    Move({1}, 1);
    Move({1}, 1);
    document.Undo(selection);
    document.Redo(selection);
    document.Undo(selection);
    ASSERT_EQ(document.RedoStack().size(), 1u);
    Move({1}, 1); // a fresh record: the top one is the placement
    EXPECT_TRUE(document.RedoStack().empty());
    Move({1}, 1); // merged into the top record
    EXPECT_TRUE(document.RedoStack().empty());
}

TEST_F(UndoHistory, RestoreOntoATakenCellSkipsOnlyThatElement)
{
    Place({0, 0}, 1);
    Place({1, 0}, 2);
    UndoRecord deletion{UndoRecord::kDeleted, {}, {}};
    deletion.elements.push_back(document.MainAt(0)->Clone());
    deletion.elements.push_back(document.MainAt(1)->Clone());
    document.PushUndo(std::move(deletion));
    document.DeleteById(1);
    document.DeleteById(2);
    // Element 3 takes the cell of element 2 (placed without a record of its own).
    ASSERT_TRUE(document.InsertElement(std::make_unique<LogAnd>(Point{1, 0}, 3)));
    document.Undo(selection); // the deletion: 1 comes back, 2 cannot
    EXPECT_NE(document.FindById(1), nullptr);
    EXPECT_EQ(document.FindById(2), nullptr);
    EXPECT_EQ(document.FindAt({1, 0})->id, 3);
    EXPECT_EQ(selection.size(), 1u);
}

TEST_F(UndoHistory, UndoOfAPlacementRemovesItAndRedoPlacesACopy)
{
    Place({4, 4}, 7);
    document.Undo(selection);
    EXPECT_EQ(document.MainCount(), 0);
    document.Redo(selection);
    ASSERT_EQ(selection.size(), 1u);
    EXPECT_EQ(selection[0]->id, 7);
    EXPECT_EQ(selection[0]->pos, (Point{4, 4}));
}

TEST_F(UndoHistory, PropertyChangeUndoneAndRedone)
{
    Place({0, 0}, 1);
    UndoRecord change{UndoRecord::kChanged, {document.MainAt(0)->Clone()}, {}};
    document.PushUndo(std::move(change));
    document.MainAt(0)->inputs[0] = 42;
    document.Undo(selection);
    EXPECT_EQ(document.MainAt(0)->inputs[0], 0);
    document.Redo(selection);
    EXPECT_EQ(document.MainAt(0)->inputs[0], 42);
}

TEST_F(UndoHistory, ResetEmptiesTheHistory)
{
    Place({0, 0}, 1);
    document.Undo(selection);
    document.ResetDocument();
    EXPECT_TRUE(document.UndoStack().empty());
    EXPECT_TRUE(document.RedoStack().empty());
}

// Edits outside the element lists (paint, background, configuration) undo
// and redo on the same stack, interleaved with element edits, and each
// undoes exactly the aspects it remembered.
TEST_F(UndoHistory, StateEditsUndoAndRedoBesideElementEdits)
{
    auto paintRecord = [&](auto change) {
        EditTransaction edit(document, UndoRecord::kState);
        edit.RememberState(DesignState::kPaint | DesignState::kHardware);
        edit.RememberState(DesignState::kPaint); // a second call keeps the first copy
        change();
        edit.Commit();
    };
    paintRecord([&] { document.paintObjects.push_back(std::make_unique<Line>()); });
    Place({0, 0}, 1);
    paintRecord([&] {
        document.paintObjects.insert(document.paintObjects.begin(), std::make_unique<Square>());
        document.numInputs = 48;
    });
    ASSERT_EQ(document.UndoStack().size(), 3U);
    EXPECT_TRUE(document.IsModified());

    auto classes = [&] {
        std::string names;
        for (const auto& object : document.paintObjects)
            names += std::string(object->ClassName()) + " ";
        return names;
    };
    EXPECT_EQ(classes(), "Square Line ");
    document.Undo(selection);
    EXPECT_EQ(classes(), "Line ");
    EXPECT_EQ(document.numInputs, 32);
    document.Undo(selection);
    EXPECT_EQ(document.FindById(1), nullptr);
    document.Undo(selection);
    EXPECT_EQ(classes(), "");
    document.Redo(selection);
    document.Redo(selection);
    document.Redo(selection);
    EXPECT_EQ(classes(), "Square Line ");
    EXPECT_EQ(document.numInputs, 48);
    EXPECT_NE(document.FindById(1), nullptr);
}

TEST_F(UndoHistory, UncommittedOrEmptyStateEditsLeaveNoRecord)
{
    {
        EditTransaction cancelled(document, UndoRecord::kState);
        cancelled.RememberState(DesignState::kBackground);
    }
    EditTransaction nothing(document, UndoRecord::kState);
    nothing.Commit();
    EXPECT_TRUE(document.UndoStack().empty());
}

} // namespace
} // namespace vantrel
