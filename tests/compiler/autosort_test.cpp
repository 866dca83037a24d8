#include "compiler/autosort.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "support/autosort_oracle.h"
#include "support/random_designs.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class AutoSortTest : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    template <class Kind, class... Args>
    void Add(std::int32_t id, std::vector<std::int32_t> from, Args... args)
    {
        auto element = std::make_unique<Kind>(Point{id, 0}, id, args...);
        for (std::size_t i = 0; i < from.size(); ++i)
            element->inputs[i] = from[i];
        const int list = element->ListKind();
        document.elements[list].push_back(std::move(element));
    }

    std::vector<std::int32_t> Order(int list)
    {
        std::vector<std::int32_t> ids;
        for (const auto& element : document.elements[list])
            ids.push_back(element->id);
        return ids;
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(AutoSortTest, SourcesFirstThenDependencyOrderKeepingRelativeOrder)
{
    Add<LogAnd>(1, {2, 3});       // needs 2 and 3
    Add<LogOut>(2, {4}, 0, u"o"); // needs 4
    Add<LogNot>(3, {5});          // needs the input 5
    Add<LogNot>(4, {5});
    Add<LogIn>(5, {}, 0, u"i");
    Add<LogClock>(6, {}, 3);
    Add<LogNot>(7, {});
    AutoSort(document);
    EXPECT_EQ(Order(kMainList), (std::vector<std::int32_t>{5, 6, 3, 4, 7, 2, 1}));
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_TRUE(document.IsModified());

    AutoSort(document); // sorting again changes nothing
    EXPECT_EQ(Order(kMainList), (std::vector<std::int32_t>{5, 6, 3, 4, 7, 2, 1}));
}

TEST_F(AutoSortTest, LoopThroughADelayIsAWeakLoop)
{
    Add<LogAnd>(1, {2, 0});
    Add<LogDelay>(2, {1}, 5);
    AutoSort(document);
    EXPECT_EQ(Order(kMainList), (std::vector<std::int32_t>{2, 1}));
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Autosort complete: Found 1 weak and 0 strong loops"});
}

TEST_F(AutoSortTest, LoopOfGatesIsAStrongLoop)
{
    Add<LogAnd>(1, {2, 0});
    Add<LogAnd>(2, {1, 0});
    AutoSort(document);
    EXPECT_EQ(Order(kMainList), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Warning: Autosort incomplete due to loops: 1"});
}

TEST_F(AutoSortTest, LoopThroughACycleBreakerIsNoLoop)
{
    Add<LogAnd>(1, {10, 0});
    Add<LogAnd>(2, {1, 0});
    Add<LogBreaker>(10, {2});
    AutoSort(document);
    EXPECT_EQ(Order(kMainList), (std::vector<std::int32_t>{1, 2}));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(AutoSortTest, RegisterFedByATimerIsPlacedOnlyByForce)
{
    EXPECT_TRUE(SortRegisters(document)); // empty: silent success
    Add<LogTimer>(1, {}, u"t", true);
    Add<GP_Register>(2, {1, 0}, 0, false, u"r");
    Add<Analog_Input>(3, {}, 0, u"a");
    AutoSort(document);
    EXPECT_EQ(Order(kRegisterList), (std::vector<std::int32_t>{3, 2}));
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Warning: NL Autosort incomplete due to loops."});
}

TEST_F(AutoSortTest, RegistersFedByAccumulatorsAndConstantsNeverWait)
{
    Add<Acc>(1, {}, u"a", 0);
    Add<NL_Constant>(2, {}, 7);
    Add<GP_Register>(3, {4, 2}, 0, false, u"late"); // waits for 4
    Add<GP_Register>(4, {1, 2}, 0, false, u"early");
    EXPECT_TRUE(SortRegisters(document));
    EXPECT_EQ(Order(kRegisterList), (std::vector<std::int32_t>{4, 3}));
}

// The fast sort must give exactly the plain pass sort's order, counts and
// messages, whatever the design.
TEST(AutoSortProperty, FastSortEqualsThePassByPassSortOnRandomDesigns)
{
    int withWeakLoops = 0, withStrongLoops = 0, withIncompleteRegisters = 0, withoutCuts = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        const int size = 2 + int(seed % 60);
        test::RecordingNotifier fastMessages, plainMessages;
        CVantrelDoc fast(&fastMessages), plain(&plainMessages);
        test::FillRandomDesign(fast, seed, size);
        test::FillRandomDesign(plain, seed, size);

        const int strong = SortMain(fast);
        ASSERT_EQ(strong, test::OracleSortMain(plain)) << "seed " << seed;
        const bool complete = SortRegisters(fast);
        ASSERT_EQ(complete, test::OracleSortRegisters(plain)) << "seed " << seed;
        withStrongLoops += strong > 0 ? 1 : 0;
        withWeakLoops += fastMessages.Messages().empty() ? 0 : 1;
        withIncompleteRegisters += complete ? 0 : 1;
        withoutCuts += strong == 0 && complete && fastMessages.Messages().empty() ? 1 : 0;
        for (int list : {kMainList, kRegisterList}) {
            ASSERT_EQ(fast.elements[list].size(), plain.elements[list].size());
            for (std::size_t i = 0; i < fast.elements[list].size(); ++i)
                ASSERT_EQ(fast.elements[list][i]->id, plain.elements[list][i]->id)
                    << "seed " << seed << " list " << list << " place " << i;
        }
        ASSERT_EQ(fastMessages.Messages(), plainMessages.Messages()) << "seed " << seed;
    }
    // The designs must exercise every way a sort can cut.
    EXPECT_GT(withWeakLoops, 100);
    EXPECT_GT(withStrongLoops, 100);
    EXPECT_GT(withIncompleteRegisters, 100);
    EXPECT_GT(withoutCuts, 100);
}

} // namespace
} // namespace vantrel
