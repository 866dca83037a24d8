#include "document/vantrel_doc.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "elements/comment.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/numeric_elements.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "support/archive_bytes.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

using test::ArchiveBytes;
using test::ToHex;

class DesignFile : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    std::vector<std::uint8_t> Store()
    {
        std::vector<std::uint8_t> bytes;
        CArchive ar(StoreTo, bytes, SystemClasses());
        document.Serialize(ar, codec, ImageFormat::Png);
        return bytes;
    }

    void Load(const std::vector<std::uint8_t>& bytes)
    {
        CArchive ar(LoadFrom, bytes, SystemClasses());
        document.Serialize(ar, codec, ImageFormat::Png);
        EXPECT_EQ(ar.BytesLeft(), 0u);
    }

    std::vector<std::int32_t> Ids(int list)
    {
        std::vector<std::int32_t> ids;
        for (const auto& element : document.elements[list])
            ids.push_back(element->id);
        return ids;
    }

    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(DesignFile, NewDocumentIsSeventyFourBytes)
{
    document.designStamp = 0x01020304;
    EXPECT_EQ(ToHex(Store()), ToHex(test::FromHex("13 00 00 00 20 00 00 00 20 00 00 00 01 00 00 00"
                                                  "FF FF FF 00 40 00 00 00 04 03 02 01"
                                                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                                  "00 00 00 00 00 00"
                                                  "07 00 00 00 00 00 00 00 00 00 00 00"
                                                  "00 00"
                                                  "00 00 00 00 01 00 00 00 00 00 00 00")));
}

TEST_F(DesignFile, VersionOneHoldsTheFirstFourIntegersAndTwoLists)
{
    document.speed = 10;
    Load(ArchiveBytes()
             .I32(1)
             .I32(16)
             .I32(8)
             .I32(5)
             .EmptyList()
             .Word(2)
             .NewClass("LogAnd")
             .Base(9, 1, 2, 3)
             .I32(4)
             .I32(0)
             .NewClass("LogNot")
             .Base(9, 1, 3, 4)
             .I32(1)
             .I32(0)
             .Bytes());
    EXPECT_EQ(document.numInputs, 16);
    EXPECT_EQ(document.numOutputs, 8);
    EXPECT_EQ(document.nextElementId, 5);
    EXPECT_EQ(document.backgroundColour, 0x00FFFFFFu);
    EXPECT_EQ(document.speed, 10);
    EXPECT_EQ(Ids(kMainList), (std::vector<std::int32_t>{3, 4}));
    EXPECT_EQ(document.MainAt(1)->inputs[0], 1);
    EXPECT_EQ(document.pageBackgrounds.size(), 1u);
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(DesignFile, VersionNineSkipsTwoIntegersAndTheRawBackground)
{
    Load(ArchiveBytes()
             .I32(9)
             .I32(24)
             .I32(24)
             .I32(9)
             .I32(0x112233)
             .I32(-1)
             .I32(-2)     // ignored
             .I32(50)     // speed
             .EmptyList() // paint
             .Word(1)
             .NewClass("LogAnd")
             .Base(9, 0, 0, 1)
             .I32(0)
             .I32(0)
             .EmptyList() // complex commands
             .EmptyList() // indirect
             .I32(0)
             .I32(2)
             .I32(1)
             .Hex("01 02 03 04 05 06") // raw background, discarded
             .EmptyList()              // registers
             // An accumulator after a base part of version 9: no restricted flag.
             .Word(1)
             .NewClass("Acc")
             .I32(1)
             .I32(1)
             .I32(2)
             .Text(u"A")
             .EmptyList() // constants
             // A cell stored as an accumulator in the NoOp list becomes a NoOp.
             .Word(1)
             .ClassRef(3)
             .I32(2)
             .I32(1)
             .I32(3)
             .Text(u"N")
             .Bytes());
    EXPECT_EQ(document.backgroundColour, 0x112233u);
    EXPECT_EQ(document.speed, 50);
    ASSERT_EQ(document.elements[kAccumulatorList].size(), 1u);
    EXPECT_EQ(document.elements[kAccumulatorList][0]->Name(), u"A");
    ASSERT_EQ(document.elements[kNoOpList].size(), 1u);
    const LogElement& cell = *document.elements[kNoOpList][0];
    EXPECT_STREQ(cell.ClassName(), "NoOp");
    EXPECT_EQ(cell.id, 3);
    EXPECT_EQ(cell.pos, (Point{2, 1}));
    EXPECT_EQ(cell.Name(), u"N");
    EXPECT_TRUE(document.pageBackgrounds[0].IsEmpty());
}

TEST_F(DesignFile, VersionTwelveReadsSimulationListAndOnePageImage)
{
    const auto image = codec.Encode(test::FakeImageCodec::Sample(2, 2), ImageFormat::Png);
    Load(ArchiveBytes()
             .I32(12)
             .I32(32)
             .I32(32)
             .I32(1)
             .I32(0xFFFFFF)
             .I32(0)
             .I32(0)
             .I32(64)
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList() // paint, main, commands, indirect
             .EmptyList()
             .EmptyList()
             .EmptyList() // registers, accumulators, constants
             .EmptyList() // NoOps
             .Word(1)
             .NewClass("SimElement")
             .I32(0)
             .I32(1)
             .I32(1)
             .I32(1)
             .Text(u"Dial")
             .I32(-1)
             .I32(-1)
             .I32(std::int32_t(image.size()))
             .Hex(ToHex(image))
             .Bytes());
    ASSERT_EQ(document.simulationElements.size(), 1u);
    EXPECT_EQ(document.simulationElements[0]->name, u"Dial");
    EXPECT_EQ(test::FakeImageCodec::Decoded(document.pageBackgrounds[0]),
              test::FakeImageCodec::Sample(2, 2));
}

TEST_F(DesignFile, VersionSeventeenMovesCommentsOutOfTheMainListInReverse)
{
    Load(ArchiveBytes()
             .I32(17)
             .I32(32)
             .I32(32)
             .I32(4)
             .I32(0xFFFFFF)
             .I32(64)
             .I32(1234)
             .EmptyList()
             .Word(3)
             .NewClass("LogComment")
             .Base(11, 0, 0, 1)
             .Text(u"first")
             .NewClass("LogNot")
             .Base(11, 0, 1, 2)
             .I32(0)
             .ClassRef(1)
             .Base(11, 0, 2, 3)
             .Text(u"second")
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList() // timers
             .EmptyList() // simulation
             .I32(7)
             .I32(0)
             .I32(0) // remote block
             .I32(0) // no page image
             .Bytes());
    EXPECT_EQ(document.designStamp, 1234);
    EXPECT_EQ(Ids(kMainList), std::vector<std::int32_t>{2});
    EXPECT_EQ(Ids(kCommentList), (std::vector<std::int32_t>{3, 1}));
}

// The paint list of a design as stored: a curve between two lines.
std::vector<std::uint8_t> PaintListWithACurve()
{
    std::vector<std::unique_ptr<PaintStuff>> paint;
    paint.push_back(std::make_unique<Line>());
    paint.push_back(std::make_unique<Curve>());
    paint.push_back(std::make_unique<Line>());
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    ar.SerializeObjectList(paint);
    return bytes;
}

TEST_F(DesignFile, CurvesAreDroppedBeforeVersionThirteen)
{
    using Classes = std::vector<std::string>;
    for (std::int32_t version : {12, 13}) {
        // Both versions store the same blocks: no remote block or timers yet.
        Load(ArchiveBytes()
                 .I32(version)
                 .I32(32)
                 .I32(32)
                 .I32(1)
                 .I32(0xFFFFFF)
                 .I32(0)
                 .I32(0)
                 .I32(64)
                 .Hex(ToHex(PaintListWithACurve()))
                 .EmptyList()
                 .EmptyList()
                 .EmptyList() // main, commands, indirect
                 .EmptyList()
                 .EmptyList()
                 .EmptyList()
                 .EmptyList() // registers .. NoOps
                 .EmptyList() // simulation
                 .I32(0)      // no page image
                 .Bytes());
        Classes classes;
        for (const auto& object : document.paintObjects)
            classes.push_back(object->ClassName());
        const Classes expected =
            version < 13 ? Classes{"Line", "Line"} : Classes{"Line", "Curve", "Line"};
        EXPECT_EQ(classes, expected) << version;
    }
}

// A stored next id that is not above the loaded ids would make the next
// element placed a duplicate; it is raised, and never past the largest id.
TEST_F(DesignFile, NextIdIsRaisedAboveTheLoadedIds)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case
    {
        std::int32_t storedNextId, firstId, secondId;
        std::int64_t expected;
    };
    for (const Case& c : {Case{5, 3, 4, 5}, Case{1, 3, 4, 5}, Case{9, 3, 4, 9}, Case{-7, 3, 4, 5},
                          Case{kMax, 3, 4, kMax}, Case{0, kMax, 2, std::int64_t(kMax) + 1}}) {
        SCOPED_TRACE(c.storedNextId);
        Load(ArchiveBytes()
                 .I32(1)
                 .I32(16)
                 .I32(8)
                 .I32(c.storedNextId)
                 .EmptyList()
                 .Word(2)
                 .NewClass("LogAnd")
                 .Base(9, 1, 2, c.firstId)
                 .I32(0)
                 .I32(0)
                 .NewClass("LogNot")
                 .Base(9, 1, 3, c.secondId)
                 .I32(0)
                 .I32(0)
                 .Bytes());
        EXPECT_EQ(document.nextElementId, c.expected);
    }
    // An element holds the largest id: no id is left, and none is handed
    // out again or wrapped round. The file stores the largest id.
    EXPECT_EQ(document.ElementIdsLeft(), 0);
    EXPECT_EQ(document.TakeElementId(), std::nullopt);
    EXPECT_EQ(document.nextElementId, std::int64_t(kMax) + 1);
    const std::vector<std::uint8_t> stored = Store();
    EXPECT_EQ(ToHex({stored.data() + 12, 4}), ToHex(test::FromHex("FF FF FF 7F")));
}

TEST_F(DesignFile, NewerVersionsLoadLikeNineteen)
{
    document.designStamp = 77;
    document.speed = 12;
    auto bytes = Store();
    bytes[0] = 25;
    CVantrelDoc other;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    other.Serialize(ar, codec, ImageFormat::Png);
    EXPECT_EQ(other.speed, 12);
    EXPECT_EQ(other.designStamp, 77);
    EXPECT_EQ(ar.BytesLeft(), 0u);
}

TEST_F(DesignFile, ConsistencyCheckReportsMisplacedIndirectsAndDuplicateIds)
{
    Load(ArchiveBytes()
             .I32(19)
             .I32(32)
             .I32(32)
             .I32(9)
             .I32(0xFFFFFF)
             .I32(64)
             .I32(0)
             .EmptyList()
             .Word(2)
             .NewClass("LogNot")
             .Base(11, 0, 0, 5)
             .I32(0)
             .NewClass("LogStartMarker")
             .Base(11, 0, 1, 7)
             .I32(0)
             .Text(u"M")
             .EmptyList()
             .Word(1)
             .ClassRef(3)
             .Base(11, 0, 2, 5)
             .I32(0)
             .Text(u"Dup")
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .EmptyList()
             .I32(7)
             .I32(0)
             .I32(0)
             .EmptyList()
             .I32(0)
             .I32(1)
             .I32(0)
             .Bytes());
    EXPECT_EQ(notifier.Messages(), (std::vector<std::string>{"Error: Replicator in the wrong place",
                                                             "Error: Duplicate index"}));
    EXPECT_EQ(Ids(kMainList), std::vector<std::int32_t>{5});
    EXPECT_EQ(Ids(kIndirectList), std::vector<std::int32_t>{5});
}

TEST_F(DesignFile, PageBlockKeepsEmptySlotsAndAtLeastOneSlot)
{
    document.pageBackgrounds = {test::FakeImageCodec::Encoded(test::FakeImageCodec::Sample(3, 1)),
                                {},
                                test::FakeImageCodec::Encoded(test::FakeImageCodec::Sample(1, 2))};
    auto bytes = Store();
    CVantrelDoc other;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    other.Serialize(ar, codec, ImageFormat::Png);
    EXPECT_EQ(other.pageBackgrounds, document.pageBackgrounds);

    // A block with no slots at all still leaves the one slot every design has.
    document.pageBackgrounds.clear();
    bytes = Store();
    CArchive noSlots(LoadFrom, bytes, SystemClasses());
    other.Serialize(noSlots, codec, ImageFormat::Png);
    EXPECT_EQ(other.pageBackgrounds.size(), 1u);
}

} // namespace
} // namespace vantrel
