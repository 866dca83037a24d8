// A design holding something of everything survives saving and loading with
// the real image codec: the second save is byte for byte the first.
#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "platform/qt/qt_image_codec.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/sample_designs.h"

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

void FillEverything(CVantrelDoc& document)
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
    document.pageBackgrounds = {Gradient(64, 40), Image{}, Gradient(17, 9)};
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
    FillEverything(original);
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

} // namespace
} // namespace vantrel
