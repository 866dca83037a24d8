#include "compiler/flash_image.h"

#include "compiler/crc16.h"
#include "compiler/image_header.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "support/hex.h"
#include "support/plant_design.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vantrel {
namespace {

using test::FromHex;
using test::Place;
using test::ToHex;

constexpr std::int32_t kRandom = 0x1234;

std::uint32_t WordAt(std::span<const std::uint8_t> image, std::size_t offset)
{
    return std::uint32_t(image[offset]) | std::uint32_t(image[offset + 1]) << 8 |
           std::uint32_t(image[offset + 2]) << 16 | std::uint32_t(image[offset + 3]) << 24;
}

class FlashImage : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    std::vector<std::uint8_t> CompileIt() { return Compile(document, kRandom); }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST(Crc16, KnownValues)
{
    const struct
    {
        std::string_view text;
        std::uint16_t crc;
    } cases[] = {{"123456789", 0x6F91}, {"", 0xFFFF}, {"A", 0x5C0A}};
    for (const auto& c : cases) {
        auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(c.text.data()), c.text.size());
        EXPECT_EQ(Crc16(bytes), c.crc) << c.text;
    }
}

TEST_F(FlashImage, EmptyDesignIsTheBareHeader)
{
    document.designStamp = 0x12345678;
    // Size 56, version 2, every section at 56, one user input and one user
    // output byte, 19200 at 0x34.
    EXPECT_EQ(ToHex(CompileIt()), ToHex(FromHex("03 AC 00 00 38 00 00 00 02 00 00 00 78 56 34 12"
                                                "34 12 00 00 40 04 04 01 01 00 00 00 38 00 00 00"
                                                "38 00 00 00 38 00 00 00 38 00 00 00 00 00 00 00"
                                                "18 00 38 00 00 4B 00 00")));
    EXPECT_TRUE(notifier.Messages().empty());
}

// Registers are numbered over the accumulators, NoOps, timers and then the
// register list, counting only the kinds that hold a register: the AccOp
// before GP_Register 51 does not shift it from register 4.
TEST_F(FlashImage, SmallPlantImageWithEverySectionAndRegisterNumbers)
{
    test::BuildSmallPlant(document);
    EXPECT_EQ(ToHex(CompileIt()),
              ToHex(FromHex(
                  // header: size 140, version 9 (combined remote module), user input 7
                  // gives 2 user input bytes, remote input 1 and output 2 bytes
                  "33 4E 00 00 8C 00 00 00 09 00 00 00 78 56 34 12"
                  "34 12 00 00 40 04 04 02 01 00 06 00 38 00 04 00"
                  "50 00 01 00 60 00 03 00 64 00 01 00 00 01 02 00"
                  "18 04 7C 00 00 4B 00 00"
                  // A: In, User, And, Out, UserOut, Delay
                  "00 00 00 F0 00 C0 01 F8 01 00 00 00 02 80 00 F2"
                  "02 00 00 FC 02 40 01 F6"
                  // B: timer, then AccOp, GP_Register 51 (1 + const 0), 52 (reg 4 - reg 3)
                  "90 03 00 00 01 00 0A 00 00 0D 00 00 08 20 18 00"
                  // C: 1000
                  "E8 03 00 00"
                  // D: one combined request, inputs from byte 3, outputs from byte 2
                  "00 01 03 00 00 00 17 00 01 00 00 00 00 E1 00 00"
                  "01 01 00 02 02 00 00 00"
                  // E: ids of the accumulators, the NoOp and the timer
                  "14 00 00 00 15 00 00 00 1E 00 00 00 28 00 00 00")));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(FlashImage, ChecksumCoversByteFourToTheEndWithStampAndRandom)
{
    test::BuildSmallPlant(document);
    const auto image = CompileIt();
    EXPECT_EQ(WordAt(image, 0), Crc16(std::span(image).subspan(4)));

    auto changedRandom = Compile(document, kRandom + 1);
    document.designStamp += 1;
    auto changedStamp = CompileIt();
    for (const auto* other : {&changedRandom, &changedStamp}) {
        EXPECT_NE(WordAt(*other, 0), WordAt(image, 0));
        EXPECT_EQ(WordAt(*other, 0), Crc16(std::span(*other).subspan(4)));
    }
    // Only the checksum and the changed field differ.
    for (std::size_t i = 4; i < image.size(); ++i) {
        EXPECT_EQ(changedRandom[i] != image[i], i == 0x10) << i;
        EXPECT_EQ(changedStamp[i] != image[i], i == 0x0C) << i;
    }
}

TEST_F(FlashImage, UnconnectedInputsWarnAndEncodeAllOnes)
{
    Place<LogAnd>(document, 1, {});
    Place<LogOut>(document, 2, {}, 0, u"o");
    const auto image = CompileIt();
    EXPECT_EQ(WordAt(image, 56), 0x0FFFFFFFu);
    EXPECT_EQ(WordAt(image, 60), 0xF2003FFFu);
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>(3, "Warning!: There is an unconnected input."));
}

TEST_F(FlashImage, MarkersAndBreakersEncodeTheirSources)
{
    Place<LogIn>(document, 1, {}, 0, u"a");
    Place<LogIn>(document, 2, {}, 1, u"b");
    Place<LogStartMarker>(document, 3, {1}, u"M");
    Place<LogEndMarker>(document, 4, {}, 3);
    Place<LogBreaker>(document, 5, {2});
    Place<LogAnd>(document, 6, {5, 4});
    const auto image = CompileIt();
    EXPECT_EQ(WordAt(image, 56 + 8), (1u << 14) | 0u);
    EXPECT_TRUE(notifier.Messages().empty());
}

// The controller keeps the numeric and register id counts in 8 bits, so
// they wrap; the offsets and the size still count every word, so no
// section lands on another.
TEST_F(FlashImage, EightBitCountsWrapWhileTheSectionsStayApart)
{
    Place<LogIn>(document, 1, {}, 0, u"a");
    for (std::int32_t id = 100; id < 400; ++id)
        Place<LogTimer>(document, id, {1}, u"t", false);
    const auto image = CompileIt();
    const ImageHeader header = ReadHeader(image);
    EXPECT_EQ(header.numericCount, 300 % 256);
    EXPECT_EQ(header.registerIdCount, 300 % 256);
    EXPECT_EQ(header.numericOffset, 56 + 4);
    EXPECT_EQ(header.constantOffset, 56 + 4 * (1 + 300));
    EXPECT_EQ(header.registerIdOffset, 56 + 4 * (1 + 300));
    EXPECT_EQ(header.size, 56u + 4 * (1 + 300 + 300));
    EXPECT_EQ(WordAt(image, header.constantOffset - 4), 0x190u);
    EXPECT_EQ(WordAt(image, header.registerIdOffset + 4 * 299), 399u);
}

TEST(RandomNumber, StaysWithinFifteenBits)
{
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t number = DrawRandomNumber();
        ASSERT_GE(number, 0);
        ASSERT_LE(number, 32767);
    }
}

TEST_F(FlashImage, ReportFormat)
{
    test::BuildSmallPlant(document);
    const auto image = CompileIt();
    EXPECT_EQ(Report(document, image), u"Logic elements:\t6/12228\nAccs:\t\t2/64\n"
                                       u"Constants:\t1/256\nRegisters:\t\t6/256\n"
                                       u"Delays:\t\t1/1024\nFlash:\t\t0%\nRam:\t\t0%");
}

TEST_F(FlashImage, ReportCountsStorageRegistersWithoutARegisterList)
{
    Place<Acc>(document, 1, {}, u"a", 0);
    Place<NoOp>(document, 2, {}, u"n", 0);
    Place<LogTimer>(document, 3, {}, u"t", false);
    EXPECT_NE(Report(document, CompileIt()).find(u"Registers:\t\t2/256"), std::u16string::npos);
}

// No buffer of fixed size anywhere: a design far beyond the controller's
// limits compiles to exactly its computed size, and the report says so.
TEST_F(FlashImage, VeryLargeDesignGrowsTheImageToItsComputedSize)
{
    constexpr int kGates = 70000;
    for (std::int32_t id = 1; id <= kGates; ++id)
        Place<LogAnd>(document, id, {1, 1});
    const auto image = CompileIt();
    ASSERT_EQ(image.size(), 56u + 4u * kGates);
    const ImageHeader header = ReadHeader(image);
    EXPECT_EQ(header.size, image.size());
    EXPECT_EQ(header.mainCount, kGates % 65536);
    EXPECT_EQ(WordAt(image, image.size() - 4), 0u);
    EXPECT_EQ(WordAt(image, 0), Crc16(std::span(image).subspan(4)));
    EXPECT_EQ(Report(document, image), u"Logic elements:\t70000/12228\nAccs:\t\t0/64\n"
                                       u"Constants:\t0/256\nRegisters:\t\t0/256\n"
                                       u"Delays:\t\t0/1024\nFlash:\t\t488%\nRam:\t\t213%");
    EXPECT_TRUE(notifier.Messages().empty());
}

} // namespace
} // namespace vantrel
