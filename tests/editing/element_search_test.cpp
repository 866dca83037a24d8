#include "editing/element_search.h"

#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ElementSearch : public ::testing::Test
{
protected:
    template <class Kind, class... Args> void Add(Args&&... args)
    {
        ASSERT_TRUE(document.InsertElement(std::make_unique<Kind>(std::forward<Args>(args)...)));
    }

    CVantrelDoc document;
    ViewState state;
};

TEST_F(ElementSearch, ListsDescribedElementsListByListAndSkipsTheRest)
{
    Add<Acc>(Point{0, 1}, 4, u"Level", 0); // accumulator list, after the main list
    Add<LogIn>(Point{0, 0}, 1, 2, u"Start");
    Add<LogAnd>(Point{1, 0}, 2); // no description: never found
    Add<LogUser>(Point{2, 0}, 3, 0, u"Start");

    const std::vector<FoundEntry> expected{
        {u"Input: Start, 3", 1}, {u"User Input: Start, 1", 3}, {u"Acc: Level", 4}};
    EXPECT_EQ(DescribedElements(document), expected);
}

TEST_F(ElementSearch, TheFoundElementIsCentredAndSelectedAlone)
{
    Add<LogAnd>(Point{50, 20}, 7);
    Add<LogAnd>(Point{1, 1}, 8);
    state.logicSelection = {document.FindById(8)};

    ASSERT_TRUE(ShowFoundElement(document, state, 7, {800, 600}));
    EXPECT_EQ(state.origin, (Point{45, 17}));
    EXPECT_EQ(state.logicSelection, std::vector<LogElement*>{document.FindById(7)});

    state.zoom = 0.5; // half the zoom, twice the cells to the centre
    ASSERT_TRUE(ShowFoundElement(document, state, 7, {800, 600}));
    EXPECT_EQ(state.origin, (Point{40, 13}));

    EXPECT_FALSE(ShowFoundElement(document, state, 99, {800, 600}));
    EXPECT_EQ(state.origin, (Point{40, 13}));
}

} // namespace
} // namespace vantrel
