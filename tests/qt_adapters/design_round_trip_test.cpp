// A design holding something of everything survives saving and loading with
// the real image codec: the second save is byte for byte the first.
#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/hex.h"
#include "support/image_bombs.h"
#include "support/recording_notifier.h"
#include "support/sample_designs.h"
#include "support/stored_design.h"
#include "support/versioned_design_writer.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

Image Gradient(int width, int height)
{
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(0xFF000000u | std::uint32_t(x * 255 / width) << 16 |
                                   std::uint32_t(y * 255 / height) << 8 | 0x40);
    return image;
}

void FillEverything(CVantrelDoc& document, const ImageCodec& codec)
{
    for (auto& element : test::OneOfEveryKind())
        document.elements[element->ListKind()].push_back(std::move(element));
    document.paintObjects = test::OneOfEveryPaintKind();
    auto start = std::make_unique<ComplexCommand>(u"Start all");
    start->settings = {{13, true}, {14, false}};
    document.complexCommands.push_back(std::move(start));
    document.complexCommands.push_back(std::make_unique<ComplexCommand>(std::u16string(70, u'n')));
    document.simulationElements.push_back(std::make_unique<SimElement>(0, u"Valve"));
    document.simulationElements.push_back(std::make_unique<SimElement>(1, u"Dial"));
    document.simulationElements.back()->inputs[0] = 11;
    document.remoteIo.modules.push_back({16, 8, 1, 57600, false});
    document.remoteIo.modules.push_back({8, 0, 2, 19200, true});
    CustomRemoteModule custom;
    custom.registerType = CustomRemoteModule::kBitRegisters;
    custom.modbusCommand = 15;
    document.remoteIo.customModules = {CustomRemoteModule{}, custom};
    document.pageBackgrounds = {EncodedImage(codec.Encode(Gradient(64, 40), ImageFormat::Png)),
                                {},
                                EncodedImage(codec.Encode(Gradient(17, 9), ImageFormat::Png))};
    document.numInputs = 48;
    document.speed = 99;
    document.backgroundColour = 0x00336699;
    document.nextElementId = 100;
    document.designStamp = 1765324800;
}

std::vector<std::uint8_t> Store(CVantrelDoc& document, const ImageCodec& codec)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, codec, ImageFormat::Png);
    return bytes;
}

TEST(DesignRoundTrip, EverythingSavesLoadsAndSavesToTheSameBytes)
{
    QtImageCodec codec;
    CVantrelDoc original;
    FillEverything(original, codec);
    const auto first = Store(original, codec);

    test::RecordingNotifier notifier;
    CVantrelDoc loaded(&notifier);
    CArchive ar(LoadFrom, first, SystemClasses());
    loaded.Serialize(ar, codec, ImageFormat::Png);
    EXPECT_EQ(ar.BytesLeft(), 0u);
    EXPECT_TRUE(notifier.Messages().empty());

    EXPECT_EQ(test::ToHex(Store(loaded, codec)), test::ToHex(first));
    for (int list = 0; list < kElementListCount; ++list)
        EXPECT_EQ(loaded.elements[list].size(), original.elements[list].size()) << list;
    EXPECT_EQ(loaded.paintObjects.size(), original.paintObjects.size());
    EXPECT_EQ(loaded.complexCommands[1]->name.size(), 70u);
    EXPECT_EQ(loaded.remoteIo, original.remoteIo);
    ASSERT_EQ(loaded.pageBackgrounds.size(), 3u);
    EXPECT_EQ(loaded.pageBackgrounds[0], original.pageBackgrounds[0]);
    EXPECT_TRUE(loaded.pageBackgrounds[1].IsEmpty());
    EXPECT_EQ(loaded.pageBackgrounds[2], original.pageBackgrounds[2]);
    EXPECT_EQ(loaded.designStamp, 1765324800);
}

// A PNG stays the file it was (this one is not as Qt would write it), an
// image too large to show is kept as it came, and any other format that
// decodes is saved as PNG, as design files hold their pages.
TEST(DesignRoundTrip, PagesKeepTheirPngFilesAndOtherFormatsBecomePng)
{
    QtImageCodec codec;
    const std::vector<std::uint8_t> handMadePng = test::PngClaiming(1, 1);
    const std::vector<std::uint8_t> smallGif = test::GifClaiming(3, 2);
    const std::vector<std::uint8_t> hugeGif = test::GifClaiming(16384, 4000);
    const std::vector<std::uint8_t> jpeg = codec.Encode(Gradient(8, 8), ImageFormat::Jpeg);
    ASSERT_NE(test::ToHex(codec.Encode(*codec.Decode(handMadePng), ImageFormat::Png)),
              test::ToHex(handMadePng));
    test::StoredDesign stored;
    stored.pages = {handMadePng, smallGif, hugeGif, jpeg};

    test::RecordingNotifier notifier;
    CVantrelDoc document(&notifier);
    const std::vector<std::uint8_t> file = test::WriteDesignFile(stored, 19);
    CArchive in(LoadFrom, file, SystemClasses());
    document.Serialize(in, codec, ImageFormat::Png);
    const std::vector<std::uint8_t> saved = Store(document, codec);
    CVantrelDoc reopened(&notifier);
    CArchive again(LoadFrom, saved, SystemClasses());
    reopened.Serialize(again, codec, ImageFormat::Png);
    EXPECT_TRUE(notifier.Messages().empty());

    const auto& pages = reopened.pageBackgrounds;
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0], EncodedImage(handMadePng));
    EXPECT_EQ(pages[2], EncodedImage(hugeGif));
    for (std::size_t converted : {1u, 3u}) {
        SCOPED_TRACE(converted);
        EXPECT_TRUE(codec.IsPng(pages[converted].Bytes()));
        EXPECT_EQ(codec.Decode(pages[converted].Bytes()), codec.Decode(stored.pages[converted]));
    }
    EXPECT_EQ(Store(reopened, codec), saved);
}

} // namespace
} // namespace vantrel
