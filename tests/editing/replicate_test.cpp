#include "editing/replicate.h"

#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class Replicate : public ::testing::Test
{
protected:
    template <class Kind, class... Args> LogElement* Add(Args&&... args)
    {
        auto element = std::make_unique<Kind>(std::forward<Args>(args)...);
        LogElement* added = element.get();
        EXPECT_TRUE(document.InsertElement(std::move(element)));
        return added;
    }

    CVantrelDoc document;
    ViewState state;
};

TEST_F(Replicate, AppliesToOneSelectedInputOrUserInputInDesign)
{
    LogElement* input = Add<LogIn>(Point{0, 0}, 1, 0, u"In");
    LogElement* user = Add<LogUser>(Point{1, 0}, 2, 0, u"U");
    LogElement* pulse = Add<LogPulseUser>(Point{2, 0}, 3, 1, u"P");
    LogElement* output = Add<LogOut>(Point{3, 0}, 4, 0, u"Out");
    LogElement* gate = Add<LogAnd>(Point{4, 0}, 5);
    struct Case
    {
        std::vector<LogElement*> selection;
        LayoutMode mode;
        bool applies;
    };
    const Case cases[] = {
        {{input}, LayoutMode::Design, true}, {{user}, LayoutMode::Design, true},
        {{pulse}, LayoutMode::Design, true}, {{output}, LayoutMode::Design, false},
        {{gate}, LayoutMode::Design, false}, {{input, user}, LayoutMode::Design, false},
        {{}, LayoutMode::Design, false},     {{input}, LayoutMode::Preview, false},
    };
    for (const Case& c : cases) {
        state.logicSelection = c.selection;
        state.layoutMode = c.mode;
        EXPECT_EQ(CanReplicate(state), c.applies) << c.selection.size() << " selected, first "
                                                  << (c.selection.empty() ? 0 : c.selection[0]->id);
    }
}

TEST_F(Replicate, PlacesAReplicatorLeftOfTheInputAndSelectsIt)
{
    LogElement* input = Add<LogIn>(Point{3, 4}, 6, 0, u"In");
    document.nextElementId = 7;
    state.logicSelection = {input};

    ASSERT_TRUE(ReplicateSelected(document, state));
    const auto* replicator = dynamic_cast<const LogReplicator*>(document.FindAt({2, 4}));
    ASSERT_NE(replicator, nullptr);
    EXPECT_EQ(replicator->id, 7);
    EXPECT_EQ(replicator->sourceId, 6);
    EXPECT_EQ(document.nextElementId, 8);
    EXPECT_EQ(state.logicSelection, std::vector<LogElement*>{document.FindById(7)});
    EXPECT_FALSE(CanReplicate(state)); // a replicator is selected now
    ASSERT_EQ(document.UndoStack().size(), 1u);
    EXPECT_EQ(document.UndoStack().back().kind, UndoRecord::kAdded);
}

TEST_F(Replicate, AnOccupiedCellPlacesNothing)
{
    LogElement* input = Add<LogIn>(Point{3, 4}, 6, 0, u"In");
    Add<LogAnd>(Point{2, 4}, 1);
    document.nextElementId = 7;
    document.SetModified(false);
    state.logicSelection = {input};

    EXPECT_FALSE(ReplicateSelected(document, state));
    EXPECT_EQ(document.MainCount(), 2);
    EXPECT_EQ(document.IndirectCount(), 0);
    EXPECT_EQ(state.logicSelection, std::vector<LogElement*>{input});
    EXPECT_TRUE(document.UndoStack().empty());
    EXPECT_FALSE(document.IsModified());
}

} // namespace
} // namespace vantrel
