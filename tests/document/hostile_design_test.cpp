// Design files made to hurt the reader load into a sound design: nothing
// resolves through itself, no table grows with a number from the file, no
// count overflows, and what the load drops or moves is told.
#include "document/design_io.h"

#include "compiler/autosort.h"
#include "compiler/flash_image.h"
#include "compiler/image_header.h"
#include "compiler/remote_requests.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "support/fake_image_codec.h"
#include "support/hostile_designs.h"
#include "support/recording_notifier.h"
#include "support/versioned_design_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace vantrel {
namespace {

constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();

class HostileDesign : public ::testing::Test
{
protected:
    void Load(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_TRUE(LoadDesign(document, bytes, u"hostile.lgc", codec));
    }

    long Count(const std::string& message) const
    {
        return std::ranges::count(notifier.Messages(), message);
    }

    // The first word of section A: the first main-list element's.
    std::uint32_t FirstLogicWord()
    {
        const std::vector<std::uint8_t> image = Compile(document, 0);
        std::uint32_t word = 0;
        for (int i = 3; i >= 0; --i)
            word = word << 8 | image.at(ImageHeader::kSize + std::size_t(i));
        return word;
    }

    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
};

TEST_F(HostileDesign, AGateStoredInTheIndirectListMovesToTheMainListAndCompiles)
{
    Load(test::GateInIndirectList());
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Error: Element in the wrong place"});
    ASSERT_EQ(document.MainCount(), 2);
    EXPECT_EQ(document.IndirectCount(), 0);
    EXPECT_EQ(document.MainAt(1)->id, 2);
    // The And reads the Not, now at main position 1, on both inputs.
    EXPECT_EQ(FirstLogicWord() & 0x0FFFFFFF, 1u << 14 | 1u);
}

TEST_F(HostileDesign, AMarkerStoredInAnotherListIsDroppedLikeOneInTheMainList)
{
    test::StoredDesign design;
    design.lists[kMainList].push_back({"LogEndMarker", true, 1, 0, 0, {}, {2}});
    design.lists[kRegisterList].push_back({"LogStartMarker", true, 2, 1, 0, {0}, {u"M"}});
    Load(test::WriteDesignFile(design, 19));
    EXPECT_EQ(Count("Error: Replicator in the wrong place"), 2);
    for (const ElementList& list : document.elements)
        EXPECT_TRUE(list.empty());
}

// Built by hand, past the load's corrections: the lookups themselves end.
TEST_F(HostileDesign, ResolutionEndsOnCyclesAndOnElementsInTheWrongList)
{
    auto& indirect = document.elements[kIndirectList];
    indirect.push_back(std::make_unique<LogNot>(Point{0, 0}, 1));
    auto loopIn = std::make_unique<LogStartMarker>(Point{1, 0}, 2, u"Loop");
    loopIn->inputs[0] = 3;
    indirect.push_back(std::move(loopIn));
    indirect.push_back(std::make_unique<LogEndMarker>(Point{2, 0}, 3, 2));
    for (const std::int32_t id : {1, 2, 3}) {
        notifier.Clear();
        EXPECT_EQ(document.EncodeIndex(id), -1) << id;
        EXPECT_EQ(notifier.Messages(),
                  std::vector<std::string>{"Warning!: There is an unconnected input."});
        const CVantrelDoc::FrozenLookups frozen(document);
        EXPECT_EQ(document.EncodeIndex(id), -1) << id;
        EXPECT_EQ(document.ResolveSourceUpToBreaker(id), id == 1 ? indirect[0].get() : nullptr);
    }
}

TEST_F(HostileDesign, FrozenLookupsForgetWhatTheyLearntWhenTheyEnd)
{
    document.elements[kMainList].push_back(std::make_unique<LogNot>(Point{0, 0}, 1));
    {
        const CVantrelDoc::FrozenLookups frozen(document);
        {
            const CVantrelDoc::FrozenLookups nested(document);
        }
        EXPECT_EQ(document.FindById(2), nullptr);
        EXPECT_EQ(document.FindById(1), document.MainAt(0));
    }
    document.elements[kMainList].push_back(std::make_unique<LogNot>(Point{1, 0}, 2));
    EXPECT_EQ(document.FindById(2), document.MainAt(1));
    auto marker = std::make_unique<LogEndMarker>(Point{2, 0}, 3, 0);
    LogEndMarker* end = marker.get();
    document.elements[kIndirectList].push_back(std::move(marker));
    {
        const CVantrelDoc::FrozenLookups frozen(document);
        EXPECT_EQ(document.ResolveSource(3), nullptr);
    }
    auto start = std::make_unique<LogStartMarker>(Point{3, 0}, 4, u"M");
    start->inputs[0] = 2;
    document.elements[kIndirectList].push_back(std::move(start));
    end->startId = 4;
    const CVantrelDoc::FrozenLookups frozen(document);
    EXPECT_EQ(document.ResolveSource(3), document.MainAt(1));
    EXPECT_EQ(document.EncodeIndex(3), 1);
}

TEST_F(HostileDesign, NumbersFarBeyondAnyBoardNeedNoTableOfTheirSize)
{
    Load(test::HugeInputNumber());
    EXPECT_EQ(document.CheckNumbers(NumberKind::Inputs), document.numInputs - 2);
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Error: Duplicate numbers"});
    EXPECT_LE(document.NumberTable().size(), std::size_t(CVantrelDoc::kNumberTableLimit));
}

TEST_F(HostileDesign, CountsWhoseSumsOverflowAreAddedWide)
{
    Load(test::OverflowingCounts());
    const std::int64_t bytes = 2 * std::int64_t(std::numeric_limits<std::int32_t>::max()) / 8;
    EXPECT_EQ(document.remoteIo.RemoteInputBytes(), bytes);
    EXPECT_EQ(document.remoteIo.RemoteOutputBytes(), bytes);
    // The modules start that far below the local bytes; records keep low bits.
    const std::vector<RemoteRequest> requests = RemoteRequests(document.remoteIo, 4, 4);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].readOffset, std::uint8_t(4 - bytes));
    EXPECT_EQ(requests[1].readOffset, std::uint8_t(4 - bytes + 0x7FFFFFFF / 8));

    // A limit of INT_MIN: both inputs out of range, and the count stays INT_MIN.
    EXPECT_EQ(document.CheckNumbers(NumberKind::Inputs), kMinInt);
    EXPECT_EQ(Count("Out of range: A") + Count("Out of range: B"), 2);

    // The big gate's range fields are the low 11 bits of INT_MIN - 1.
    document.elements[kMainList].erase(document.elements[kMainList].begin(),
                                       document.elements[kMainList].begin() + 2);
    EXPECT_EQ(FirstLogicWord(), 0x80000000u | 0x7FFu << 11 | 0x7FFu);
}

TEST_F(HostileDesign, MarkersInTheMainListGoInOnePass)
{
    Load(test::MarkersInMainList(3000));
    EXPECT_EQ(Count("Error: Replicator in the wrong place"), 3000);
    EXPECT_EQ(document.MainCount(), 0);
}

// The writer stores them last first among the other elements, so the load's
// reversal gives back the design's order.
TEST_F(HostileDesign, CommentsOfAnOldMainListMoveOutAndTheRestStaysInOrder)
{
    Load(test::CommentsInMainList(1000));
    ASSERT_EQ(document.MainCount(), 1000);
    ASSERT_EQ(document.elements[kCommentList].size(), 1000u);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(document.MainAt(i)->id, 2 * i + 1);
        EXPECT_EQ(document.elements[kCommentList][std::size_t(i)]->id, 2 * i + 2);
    }
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(HostileDesign, ALongMarkerChainResolvesForEveryReader)
{
    Load(test::MarkerChain(2000, 50));
    AutoSort(document);
    EXPECT_TRUE(notifier.Messages().empty());
    const CVantrelDoc::FrozenLookups frozen(document);
    for (int i = 1; i < document.MainCount(); ++i)
        EXPECT_EQ(document.EncodeIndex(document.MainAt(i)->inputs[0]), 0);
}

TEST_F(HostileDesign, DanglingInputsWaitForNothing)
{
    Load(test::DanglingInputs(500));
    AutoSort(document);
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(document.MainAt(0)->id, 1);
    Compile(document, 0);
    EXPECT_EQ(Count("Warning!: There is an unconnected input."), 1000);
}

TEST_F(HostileDesign, EveryElementSharingAnIdIsReported)
{
    Load(test::SharedIds(300));
    EXPECT_EQ(Count("Error: Duplicate index"), 299);
    EXPECT_EQ(document.MainCount(), 300);
}

} // namespace
} // namespace vantrel
