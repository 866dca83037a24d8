// Damaged design files open with one of the system's messages or succeed:
// never a crash, a hang or an unbounded allocation.
#include "document/design_io.h"

#include "archive/archive.h"
#include "compiler/autosort.h"
#include "compiler/flash_image.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "export/json_export.h"
#include "support/every_kind_design.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace vantrel {
namespace {

std::vector<std::uint8_t> SampleDesignFile(const ImageCodec& codec)
{
    CVantrelDoc document;
    test::BuildEveryKindDesign(document);
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, codec, ImageFormat::Png);
    return bytes;
}

void ExpectOpensOrFailsWithAMessage(const std::vector<std::uint8_t>& bytes, const ImageCodec& codec)
{
    test::RecordingNotifier notifier;
    CVantrelDoc document(&notifier);
    if (!LoadDesign(document, bytes, u"damaged.lgc", codec)) {
        ASSERT_FALSE(notifier.Messages().empty());
        const std::string& last = notifier.Messages().back();
        EXPECT_TRUE(last == "Vantrel v2: Unexpected file format." ||
                    last == "Vantrel v2: Failed to open document.")
            << last;
        EXPECT_EQ(document.MainCount(), 0);
        return;
    }
    // What loaded must be usable: sorted, compiled and exported.
    AutoSort(document);
    const std::vector<std::uint8_t> image = Compile(document, 0);
    EXPECT_GE(image.size(), 56u);
    std::ostringstream json;
    WriteJsonExport(document, json, codec, 0);
}

TEST(DesignFileRobustness, TruncatedFiles)
{
    test::FakeImageCodec codec;
    const auto valid = SampleDesignFile(codec);
    for (std::size_t length = 1; length < valid.size(); ++length)
        ExpectOpensOrFailsWithAMessage({valid.begin(), valid.begin() + std::ptrdiff_t(length)},
                                       codec);
}

TEST(DesignFileRobustness, BitFlippedFiles)
{
    test::FakeImageCodec codec;
    const auto valid = SampleDesignFile(codec);
    std::mt19937 random(1912);
    for (int variant = 0; variant < 3000; ++variant) {
        auto damaged = valid;
        for (int flip = 0; flip <= variant % 3; ++flip)
            damaged[random() % damaged.size()] ^= std::uint8_t(1u << (random() % 8));
        ExpectOpensOrFailsWithAMessage(damaged, codec);
    }
}

} // namespace
} // namespace vantrel
