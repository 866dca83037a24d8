// Page images held as the files they came as: a load decodes nothing, keeps
// every image file (shown or not) and tells once which pages lost bytes that
// are no image file; a save writes the kept files back; drawing decodes one
// page at a time.
#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "editing/page_image_cache.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/versioned_design_writer.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::FakeImageCodec;

// The fake codec, counting its decodes.
class CountingCodec final : public ImageCodec
{
public:
    std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const override
    {
        ++decodes;
        return fake.Decode(bytes);
    }
    Bytes Encode(const Image& image, ImageFormat format) const override
    {
        return fake.Encode(image, format);
    }
    bool IsImageFile(std::span<const std::uint8_t> bytes) const override
    {
        return fake.IsImageFile(bytes);
    }
    bool IsPng(std::span<const std::uint8_t> bytes) const override { return fake.IsPng(bytes); }

    FakeImageCodec fake;
    mutable int decodes = 0;
};

const Bytes kPixel = test::FromHex("49 4D 47 01 01 07");    // "IMG", 1 x 1
const Bytes kCutShort = test::FromHex("49 4D 47 02 02 07"); // claims 2 x 2, holds 1 pixel
const Bytes kNoImage = test::FromHex("6A 75 6E 6B");        // "junk"

class PageImages : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    void Load(const Bytes& bytes)
    {
        CArchive ar(LoadFrom, bytes, SystemClasses());
        document.Serialize(ar, codec, ImageFormat::Png);
    }

    Bytes Store()
    {
        Bytes bytes;
        CArchive ar(StoreTo, bytes, SystemClasses());
        document.Serialize(ar, codec, ImageFormat::Png);
        return bytes;
    }

    static Bytes DesignWithPages(std::vector<Bytes> pages, std::int32_t version = 19)
    {
        test::StoredDesign design;
        design.pages = std::move(pages);
        return test::WriteDesignFile(design, version);
    }

    CountingCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(PageImages, ALoadKeepsImageFilesUndecodedAndTellsOnceWhichPagesLostTheirs)
{
    Load(DesignWithPages({kPixel, kNoImage, kCutShort, {}, kNoImage}));

    EXPECT_EQ(codec.decodes, 0);
    ASSERT_EQ(document.pageBackgrounds.size(), 5u);
    EXPECT_EQ(document.pageBackgrounds[0], EncodedImage(kPixel));
    EXPECT_TRUE(document.pageBackgrounds[1].IsEmpty());
    EXPECT_EQ(document.pageBackgrounds[2], EncodedImage(kCutShort)) << "kept though it cannot show";
    EXPECT_TRUE(document.pageBackgrounds[3].IsEmpty());
    EXPECT_TRUE(document.pageBackgrounds[4].IsEmpty());
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Warning!: These pages lost their background image, "
                                       "which is not an image file: 2, 5"});

    // The save writes back every file kept, as it came, and nothing for the rest.
    const Bytes saved = Store();
    const Bytes pageBlock = test::FromHex("00 00 00 00 05 00 00 00"
                                          "06 00 00 00 49 4D 47 01 01 07"
                                          "00 00 00 00"
                                          "06 00 00 00 49 4D 47 02 02 07"
                                          "00 00 00 00"
                                          "00 00 00 00");
    ASSERT_GE(saved.size(), pageBlock.size());
    EXPECT_EQ(test::ToHex(Bytes(saved.end() - std::ptrdiff_t(pageBlock.size()), saved.end())),
              test::ToHex(pageBlock));
    EXPECT_EQ(saved, DesignWithPages({kPixel, {}, kCutShort, {}, {}}));

    // Bytes that are no image file are not written, however they got into a page.
    document.pageBackgrounds = {EncodedImage(kNoImage)};
    EXPECT_EQ(Store(), DesignWithPages({Bytes{}}));
}

TEST_F(PageImages, TheOneImageOfAnOlderVersionIsKeptOrToldLikeAnyPage)
{
    Load(DesignWithPages({kNoImage}, 12));
    EXPECT_TRUE(document.pageBackgrounds[0].IsEmpty());
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Warning!: These pages lost their background image, "
                                       "which is not an image file: 1"});

    notifier.Clear();
    Load(DesignWithPages({kCutShort}, 12));
    EXPECT_EQ(document.pageBackgrounds[0], EncodedImage(kCutShort));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(PageImages, DrawingDecodesOnlyThePageAskedForAndKeepsOnlyThatOne)
{
    Load(DesignWithPages({kPixel, test::FromHex("49 4D 47 01 01 09"), kCutShort, {}}));
    PageImageCache cache(codec);

    const Image* first = cache.Page(document, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->pixels, std::vector<std::uint32_t>{0xFF000007u});
    EXPECT_EQ(cache.Page(document, 0), first);
    EXPECT_EQ(codec.decodes, 1) << "the same page is decoded once";

    ASSERT_NE(cache.Page(document, 1), nullptr);
    EXPECT_EQ(cache.Page(document, 1)->pixels, std::vector<std::uint32_t>{0xFF000009u});
    ASSERT_NE(cache.Page(document, 0), nullptr);
    EXPECT_EQ(codec.decodes, 3) << "only one page is kept decoded";

    EXPECT_EQ(cache.Page(document, 2), nullptr);
    EXPECT_EQ(cache.Page(document, 2), nullptr);
    EXPECT_EQ(codec.decodes, 4) << "an image that does not decode is not tried again";

    EXPECT_EQ(cache.Page(document, 3), nullptr);
    EXPECT_EQ(cache.Page(document, 4), nullptr);
    EXPECT_EQ(cache.Page(document, -1), nullptr);
    EXPECT_EQ(codec.decodes, 4) << "no image, no decode";

    // A page given a new image shows the new one, even with the same bytes.
    document.pageBackgrounds[2] = EncodedImage(kPixel);
    EXPECT_NE(cache.Page(document, 2), nullptr);
    EXPECT_EQ(codec.decodes, 5);
}

} // namespace
} // namespace vantrel
