// An edit either happens as a whole, as one undo step, or not at all: an
// edit that throws half way leaves the design as it was, down to the bytes
// it saves to, and a step that adds, deletes and changes elements at once
// undoes and redoes with every element at its place in its list.
#include "document/edit_transaction.h"

#include "compiler/autosort.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/timing_elements.h"
#include "paint/shapes.h"
#include "support/fake_image_codec.h"
#include "support/plant_design.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace vantrel {
namespace {

using test::Place;

struct HalfWay : std::runtime_error
{
    HalfWay() : std::runtime_error("half way") {}
};

class EditTransactionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Place<LogAnd>(document, 1, {});
        Place<LogNot>(document, 2, {1});
        Place<LogOr>(document, 3, {2, 1});
        Place<LogAnd>(document, 4, {3});
        document.paintObjects.push_back(std::make_unique<Line>());
        document.SetModified(false);
    }

    std::vector<std::uint8_t> Saved() { return DesignBytes(document, u"", codec); }

    std::vector<std::int32_t> MainOrder() const
    {
        std::vector<std::int32_t> ids;
        for (const auto& element : document.elements[kMainList])
            ids.push_back(element->id);
        return ids;
    }

    LogElement& Element(std::int32_t id) { return *document.FindById(id); }

    // Deletes element 2 (second in the main list), moves element 3, adds
    // element 9 and moves the line: one step of every sort.
    void MixedEdit(EditTransaction& edit)
    {
        edit.RememberRemoving(Element(2));
        document.DeleteById(2);
        edit.RememberChanging(Element(3));
        Element(3).pos.y = 7;
        edit.Insert(std::make_unique<LogNot>(Point{9, 9}, 9));
        edit.RememberState(DesignState::kPaint);
        document.paintObjects.front()->MoveBy(0.25, 0.25);
    }

    test::FakeImageCodec codec;
    CVantrelDoc document;
    std::vector<LogElement*> selection;
};

TEST_F(EditTransactionTest, AnEditThatThrowsHalfWayLeavesTheSavedBytesAsTheyWere)
{
    const std::vector<std::uint8_t> before = Saved();
    const std::vector<std::pair<const char*, std::function<void(EditTransaction&)>>> edits = {
        {"delete the first",
         [&](EditTransaction& edit) {
             edit.RememberRemoving(Element(1));
             document.DeleteById(1);
         }},
        {"remembered, not yet deleted",
         [&](EditTransaction& edit) { edit.RememberRemoving(Element(3)); }},
        {"change",
         [&](EditTransaction& edit) {
             edit.RememberChanging(Element(4));
             Element(4).inputs[1] = 2;
         }},
        {"change twice",
         [&](EditTransaction& edit) {
             for (std::int32_t source : {2, 3}) {
                 edit.RememberChanging(Element(4));
                 Element(4).inputs[1] = source;
             }
         }},
        {"insert",
         [&](EditTransaction& edit) {
             edit.Insert(std::make_unique<LogNot>(Point{5, 5}, 5));
         }},
        {"reorder",
         [&](EditTransaction& edit) {
             std::ranges::reverse(document.elements[kMainList]);
             edit.RememberReordering(kMainList, {3, 2, 1, 0});
         }},
        {"every sort at once", [&](EditTransaction& edit) { MixedEdit(edit); }},
    };
    for (const auto& [name, change] : edits) {
        SCOPED_TRACE(name);
        EXPECT_THROW(
            {
                EditTransaction edit(document, UndoRecord::kChanged);
                change(edit);
                throw HalfWay();
            },
            HalfWay);
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(MainOrder(), (std::vector<std::int32_t>{1, 2, 3, 4}));
        EXPECT_FALSE(document.IsModified());
        EXPECT_TRUE(document.UndoStack().empty());
    }
}

// A real edit whose message box fails while the main list is already
// sorted: the sort's order goes back with it.
TEST_F(EditTransactionTest, ASortInterruptedByItsMessageKeepsTheOldOrder)
{
    class FailingNotifier final : public Notifier
    {
    public:
        MessageAnswer Message(const std::u16string&, const std::u16string&, MessageButtons) override
        {
            throw HalfWay();
        }
    } failing;
    document.SetNotifier(&failing);
    // A loop through a delay, which the sort reports as weak once it is sorted.
    Place<LogDelay>(document, 5, {4}, 1);
    document.elements[kMainList].front()->inputs[0] = 5;
    document.SetModified(false);
    const std::vector<std::uint8_t> before = Saved();

    EXPECT_THROW(AutoSort(document), HalfWay);
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.UndoStack().empty());

    document.SetNotifier(nullptr);
    AutoSort(document);
    EXPECT_NE(MainOrder(), (std::vector<std::int32_t>{1, 2, 3, 4, 5})) << "the sort changes it";
}

TEST_F(EditTransactionTest, AnEditLeftWithoutCommitIsTakenBack)
{
    const std::vector<std::uint8_t> before = Saved();
    {
        EditTransaction edit(document, UndoRecord::kChanged);
        MixedEdit(edit);
    }
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.UndoStack().empty());
}

TEST_F(EditTransactionTest, AMixedStepUndoesAndRedoesWithEveryElementAtItsPlace)
{
    const std::vector<std::uint8_t> before = Saved();
    {
        EditTransaction edit(document, UndoRecord::kChanged);
        MixedEdit(edit);
        edit.Commit();
    }
    const std::vector<std::uint8_t> after = Saved();
    ASSERT_EQ(MainOrder(), (std::vector<std::int32_t>{1, 3, 4, 9}));
    ASSERT_EQ(document.UndoStack().size(), 1u);

    document.Undo(selection);
    EXPECT_EQ(MainOrder(), (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(Saved(), before);
    document.Redo(selection);
    EXPECT_EQ(MainOrder(), (std::vector<std::int32_t>{1, 3, 4, 9}));
    EXPECT_EQ(Saved(), after);
    document.Undo(selection);
    EXPECT_EQ(Saved(), before);
}

// Repeating a step merges only with a step of the same elements that
// happened to them in the same way.
TEST_F(EditTransactionTest, StepsMergeOnlyWhenEachElementWentTheSameWay)
{
    auto step = [&](bool removing) {
        EditTransaction edit(document, UndoRecord::kChanged);
        if (removing)
            edit.RememberRemoving(Element(4));
        else
            edit.RememberChanging(Element(4));
        edit.Commit();
    };
    step(false);
    step(false);
    EXPECT_EQ(document.UndoStack().size(), 1u);
    step(true);
    EXPECT_EQ(document.UndoStack().size(), 2u);
}

} // namespace
} // namespace vantrel
