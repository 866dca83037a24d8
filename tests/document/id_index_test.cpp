// The id index and the repeated-id check, with ids of any value a file may
// hold: small ones, huge ones, negative ones, and ids given twice.
#include "document/id_index.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(RepeatedIds, MarksEveryLaterOccurrenceWhateverTheIdValue)
{
    struct Case
    {
        std::vector<std::int32_t> ids;
        std::vector<bool> repeated;
    };
    const Case cases[] = {
        {{}, {}},
        {{1, 2, 3}, {false, false, false}},
        {{4, 4, 4}, {false, true, true}},
        {{kMax, 7, kMax, 7}, {false, false, true, true}},
        {{-5, kMin, -5, 0, kMin, 0}, {false, false, true, false, true, true}},
        // Far beyond the direct table, in descending order: the first met counts.
        {{2000000000, 1999999999, 2000000000, 1999999999}, {false, false, true, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RepeatedIds(c.ids), c.repeated) << ::testing::PrintToString(c.ids);
}

TEST(IdIndex, DirectSlotsFollowTheElementCountNotTheIds)
{
    IdIndex index;
    index.BeginRefill(10);
    EXPECT_NE(index.DirectSlot(1), nullptr);
    EXPECT_EQ(index.DirectSlot(kMax), nullptr);
    EXPECT_EQ(index.DirectSlot(-1), nullptr);
    *index.DirectSlot(1) = {kMainList, 0};
    index.ReplaceSparse({{kMax, {kMainList, 1}}, {-1, {kMainList, 2}}, {kMax, {kMainList, 3}}},
                        [](std::int32_t, ElementLocation) { return false; });
    EXPECT_EQ(*index.Find(1), (ElementLocation{kMainList, 0}));
    EXPECT_EQ(*index.Find(kMax), (ElementLocation{kMainList, 1}));
    EXPECT_EQ(*index.Find(-1), (ElementLocation{kMainList, 2}));
    EXPECT_EQ(index.Find(kMin), nullptr);

    // A refill starts empty and remembers what came before.
    index.BeginRefill(10);
    EXPECT_EQ(index.Find(1), nullptr);
    EXPECT_EQ(*index.Previous(1), (ElementLocation{kMainList, 0}));
    EXPECT_EQ(*index.Previous(kMax), (ElementLocation{kMainList, 1}));
}

// The bound the document knows (its next id) only shrinks the direct
// table: an id at or past it, which a damaged design may hold, is still
// found, through the sparse entries.
TEST(IdIndex, IdsPastTheKnownBoundAreStillFound)
{
    IdIndex index;
    index.BeginRefill(1000, 5);
    EXPECT_NE(index.DirectSlot(4), nullptr);
    EXPECT_EQ(index.DirectSlot(5), nullptr);
    *index.DirectSlot(4) = {kMainList, 0};
    index.ReplaceSparse({{5, {kMainList, 1}}}, [](std::int32_t, ElementLocation) { return false; });
    EXPECT_EQ(*index.Find(4), (ElementLocation{kMainList, 0}));
    EXPECT_EQ(*index.Find(5), (ElementLocation{kMainList, 1}));
}

// A document whose ids are far apart and given twice finds the first
// element of each id, before and after the elements move in their lists.
TEST(IdIndex, DocumentFindsSparseAndRepeatedIdsAfterMoves)
{
    CVantrelDoc document;
    ElementList& main = document.elements[kMainList];
    const std::int32_t ids[] = {kMax, 3, -8, kMax, 3, 1000000000};
    for (int i = 0; i < 6; ++i)
        main.push_back(std::make_unique<LogAnd>(Point{i, 0}, ids[i]));
    for (std::int32_t id : {kMax, 3, -8, 1000000000})
        EXPECT_EQ(document.FindById(id)->pos, (Point{int(std::ranges::find(ids, id) - ids), 0}));
    EXPECT_EQ(document.FindById(kMin), nullptr);

    main.erase(main.begin()); // every place shifts; id kMax is now at 2 only
    EXPECT_EQ(document.LocateById(kMax), (CVantrelDoc::Location{kMainList, 2}));
    EXPECT_EQ(document.LocateById(1000000000), (CVantrelDoc::Location{kMainList, 4}));
    {
        const CVantrelDoc::FrozenLookups frozen(document);
        EXPECT_EQ(document.LocateById(-8), (CVantrelDoc::Location{kMainList, 1}));
        EXPECT_EQ(document.FindById(12345), nullptr);
    }
    // An id whose element left is not found at the place it had.
    main.erase(main.begin() + 1);
    const CVantrelDoc::FrozenLookups frozen(document);
    EXPECT_EQ(document.FindById(-8), nullptr);
    EXPECT_EQ(document.LocateById(kMax), (CVantrelDoc::Location{kMainList, 1}));
}

} // namespace
} // namespace vantrel
