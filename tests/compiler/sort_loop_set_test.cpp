#include "compiler/autosort.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "support/fake_image_codec.h"
#include "support/full_size_design.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Finding the loops is a pass over the whole design; a sort of a full-size
// design (open, sort, save) must not pay for it more than once.
TEST(SortLoopSet, OpenSortAndSaveRebuildTheLoopSetAtMostOnce)
{
    const auto folder = test::FreshTestFolder("sort_loop_set");
    test::FakeImageCodec codec;
    {
        CVantrelDoc design;
        test::FillFullSizeDesign(design);
        ASSERT_TRUE(SaveDesign(design, folder / "full.lgc", codec));
    }
    CVantrelDoc document;
    ASSERT_EQ(OpenDesign(document, folder / "full.lgc", codec), OpenOutcome::Opened);
    ASSERT_TRUE(AutoSort(document));
    ASSERT_TRUE(SaveDesign(document, folder / "full.lgc", codec));
    EXPECT_LE(document.LoopSetRebuildCount(), 1u);
}

TEST(SortLoopSet, LoopSetIsRebuiltOnlyWhenReadAfterAChange)
{
    CVantrelDoc document;
    auto first = std::make_unique<LogAnd>(Point{0, 0}, 1);
    auto second = std::make_unique<LogAnd>(Point{4, 0}, 2);
    first->inputs[0] = 2;
    second->inputs[0] = 1;
    document.InsertElement(std::move(first));
    document.InsertElement(std::move(second));

    EXPECT_EQ(document.LoopSet().size(), 2u);
    EXPECT_EQ(document.LoopSet().size(), 2u);
    EXPECT_EQ(document.LoopSetRebuildCount(), 1u);

    ASSERT_TRUE(AutoSort(document));
    ASSERT_TRUE(AutoSort(document));
    EXPECT_EQ(document.LoopSetRebuildCount(), 1u) << "sorting alone must not find the loops";
    EXPECT_EQ(document.LoopSet().size(), 2u);
    EXPECT_EQ(document.LoopSetRebuildCount(), 2u);
}

} // namespace
} // namespace vantrel
