// The modified mark follows the undo history: a design undone or redone back
// to the state it was saved in is not modified, and one whose saved state
// no step leads back to any more is modified wherever the history stands.
#include "compiler/autosort.h"
#include "document/design_io.h"
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "support/fake_image_codec.h"
#include "support/plant_design.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class CleanIndex : public ::testing::Test
{
public: // the cases below step through the history from outside
    void Add(std::int32_t id)
    {
        EditTransaction edit(document, UndoRecord::kAdded);
        EXPECT_TRUE(edit.Insert(std::make_unique<LogAnd>(Point{id, 0}, id)));
        edit.Commit();
    }

    // One arrow-key press on element 1: repeated presses merge into one step.
    void Nudge()
    {
        EditTransaction edit(document, UndoRecord::kChanged);
        LogElement* element = document.FindById(1);
        edit.Remember(*element);
        ++element->pos.y;
        edit.Commit();
    }

    void Undo() { document.Undo(selection); }
    void Redo() { document.Redo(selection); }

    CVantrelDoc document;
    std::vector<LogElement*> selection;
};

TEST_F(CleanIndex, UndoAndRedoBackToTheSavedStateClearTheMark)
{
    Add(1);
    document.SetModified(false); // saved with element 1
    Add(2);
    EXPECT_TRUE(document.IsModified());
    Undo();
    EXPECT_FALSE(document.IsModified());
    Undo();
    EXPECT_TRUE(document.IsModified());
    Redo();
    EXPECT_FALSE(document.IsModified());
    Redo();
    EXPECT_TRUE(document.IsModified());
    Undo();
    EXPECT_FALSE(document.IsModified());
}

TEST_F(CleanIndex, TheSavedStateGoneFromTheHistoryLeavesTheDesignModified)
{
    // Each case ends where the design differs from the one saved, or could
    // only be made equal to it again by steps the history no longer holds.
    struct Case
    {
        const char* name;
        void (*afterSave)(CleanIndex&);
    };
    const Case cases[] = {
        // Saved after two steps; an undo, then a new step drops the redo
        // history that led back to the saved state.
        {"edit after undo",
         [](CleanIndex& t) {
             t.Undo();
             t.Add(3);
             t.Undo();
         }},
        // A press merged into the step before the save changes the state
        // that step leads to.
        {"merged step",
         [](CleanIndex& t) {
             t.Nudge();
             t.Undo();
         }},
        // A change that no step records.
        {"change outside the history",
         [](CleanIndex& t) {
             t.document.SetModified(true);
             t.Add(3);
             t.Undo();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        document.ResetDocument();
        document.SetModified(false);
        Add(1);
        Nudge();
        document.SetModified(false);
        c.afterSave(*this);
        EXPECT_TRUE(document.IsModified());
        while (!document.UndoStack().empty()) {
            Undo();
            EXPECT_TRUE(document.IsModified());
        }
        while (!document.RedoStack().empty()) {
            Redo();
            EXPECT_TRUE(document.IsModified());
        }
    }
}

TEST_F(CleanIndex, ASavedStateDroppedOffTheBottomOfTheHistoryIsOutOfReach)
{
    document.SetModified(false); // the empty design, saved
    for (std::int32_t id = 1; id <= std::int32_t(CVantrelDoc::kUndoLimit) + 1; ++id)
        Add(id);
    while (!document.UndoStack().empty())
        Undo();
    EXPECT_EQ(document.MainCount(), 1); // the first placement is no step any more
    EXPECT_TRUE(document.IsModified());
}

TEST_F(CleanIndex, OpeningOrStartingADesignMakesItsEmptyHistoryClean)
{
    const test::FakeImageCodec codec;
    Add(1);
    const std::vector<std::uint8_t> bytes = DesignBytes(document, u"", codec);
    Add(2);
    ASSERT_TRUE(LoadDesign(document, bytes, u"design.lgc", codec));
    EXPECT_FALSE(document.IsModified());
    Add(3);
    Undo();
    EXPECT_FALSE(document.IsModified());

    document.ResetDocument();
    document.SetModified(false);
    Add(4);
    Undo();
    EXPECT_FALSE(document.IsModified());
}

// Sorting is a step like any other: undo gives back the previous order and
// with it the saved state.
TEST_F(CleanIndex, AutosortUndoesToThePreviousOrder)
{
    const test::FakeImageCodec codec;
    test::BuildPlant(document);
    // Reversed lists, so that the sort has work in both.
    std::ranges::reverse(document.elements[kMainList]);
    std::ranges::reverse(document.elements[kRegisterList]);
    document.SetModified(false);
    const std::vector<std::uint8_t> before = DesignBytes(document, u"", codec);

    ASSERT_TRUE(AutoSort(document));
    const std::vector<std::uint8_t> sorted = DesignBytes(document, u"", codec);
    ASSERT_NE(sorted, before);
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(document.UndoStack().size(), 1u); // both lists in one step

    Undo();
    EXPECT_EQ(DesignBytes(document, u"", codec), before);
    EXPECT_FALSE(document.IsModified());
    Redo();
    EXPECT_EQ(DesignBytes(document, u"", codec), sorted);
}

} // namespace
} // namespace vantrel
