#include "compare/design_comparison.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/compared_designs.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Kind = DesignChange::Kind;

const ElementDifference* Find(const DesignComparison& comparison, std::int32_t id)
{
    for (const ElementDifference& difference : comparison.elements)
        if (difference.id == id)
            return &difference;
    return nullptr;
}

TEST(DesignComparison, ElementsWithTheirCellsBeforeAndAfter)
{
    CVantrelDoc before;
    test::BuildComparedPlant(before);
    CVantrelDoc after;
    test::BuildComparedPlant(after);
    auto& main = after.elements[kMainList];
    main.erase(main.begin());       // Start removed
    main[0]->pos = {-3, 7};         // Stop moved, far to the left
    main[1]->inputs = {1, 1, 0, 0}; // the AND gate rewired
    main[3]->pos = {7, 0};          // the lamp moved and renamed
    dynamic_cast<LogOut&>(*main[3]).name = u"Light";
    std::swap(main[0], main[1]); // a new order is no mark of its own
    main.push_back(std::make_unique<LogOut>(Point{6, 1}, 9, 1, u"Bell"));

    const DesignComparison comparison = CompareDesigns(before, after);
    struct Expected
    {
        std::int32_t id;
        Kind kind;
        std::optional<Point> beforeCell;
        std::optional<Point> afterCell;
        bool moved, rewired, changed;
    };
    const Expected expected[] = {
        {1, Kind::Removed, Point{0, 0}, std::nullopt, false, false, false},
        {2, Kind::Changed, Point{0, 2}, Point{-3, 7}, true, false, false},
        {3, Kind::Changed, Point{2, 0}, Point{2, 0}, false, true, false},
        {5, Kind::Changed, Point{6, 0}, Point{7, 0}, true, false, true},
        {9, Kind::Added, std::nullopt, Point{6, 1}, false, false, false},
    };
    ASSERT_EQ(comparison.elements.size(), std::size(expected));
    for (const Expected& element : expected) {
        SCOPED_TRACE(element.id);
        const ElementDifference* found = Find(comparison, element.id);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->kind, element.kind);
        EXPECT_EQ(found->beforeCell, element.beforeCell);
        EXPECT_EQ(found->afterCell, element.afterCell);
        EXPECT_EQ(found->moved, element.moved);
        EXPECT_EQ(found->rewired, element.rewired);
        EXPECT_EQ(found->changed, element.changed);
    }
    // The changes are the diff's, the new order among them.
    EXPECT_EQ(comparison.changes.size(), std::size(expected) + 1);
    EXPECT_EQ(comparison.changes.back().kind, Kind::Reordered);
    EXPECT_FALSE(ChangedElementId(comparison.changes.back()));
}

TEST(DesignComparison, PaintObjectsPairedThroughTheAlignment)
{
    CVantrelDoc before;
    test::BuildComparedPlant(before);
    CVantrelDoc after;
    test::BuildComparedPlant(after);
    const std::size_t count = after.paintObjects.size();
    ASSERT_GE(count, 4u);
    // One inserted at the front shifts every position; one removed; one changed.
    after.paintObjects.erase(after.paintObjects.begin() + 2);
    after.paintObjects[2]->width += 3;
    after.paintObjects.insert(after.paintObjects.begin(), before.paintObjects[0]->Clone());
    after.paintObjects.front()->pageIndex += 1;

    const DesignComparison comparison = CompareDesigns(before, after);
    ASSERT_EQ(comparison.paint.size(), 3u);
    EXPECT_EQ(comparison.paint[0].kind, Kind::Added);
    EXPECT_EQ(comparison.paint[0].after, 0u);
    EXPECT_EQ(comparison.paint[1].kind, Kind::Removed);
    EXPECT_EQ(comparison.paint[1].before, 2u);
    EXPECT_EQ(comparison.paint[2].kind, Kind::Changed);
    EXPECT_EQ(comparison.paint[2].before, 3u);
    EXPECT_EQ(comparison.paint[2].after, 3u);
    EXPECT_TRUE(comparison.elements.empty());
    EXPECT_TRUE(CompareDesigns(before, before).Empty());
}

} // namespace
} // namespace vantrel
