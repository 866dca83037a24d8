// The JSON export's "source" is the design file itself, with its page images
// as JPEG: it opens like any design file.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "export/json_export.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/recording_notifier.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel {
namespace {

std::string StringMember(const std::string& json, const std::string& key)
{
    const std::string marker = "\"" + key + "\":\"";
    const auto start = json.find(marker) + marker.size();
    return json.substr(start, json.find('"', start) - start);
}

TEST(JsonSource, IsTheDesignFileWithJpegPages)
{
    QtImageCodec codec;
    CVantrelDoc document;
    document.InsertElement(std::make_unique<LogNot>(Point{1, 1}, 1));
    Image page{40, 30, std::vector<std::uint32_t>(40 * 30, 0xFF3366CC)};
    document.pageBackgrounds = {EncodedImage(codec.Encode(page, ImageFormat::Png)), {}};
    std::ostringstream out;
    WriteJsonExport(document, out, codec, 9);
    const std::string json = out.str();

    const QByteArray source =
        QByteArray::fromBase64(QByteArray::fromStdString(StringMember(json, "source")));
    test::RecordingNotifier notifier;
    CVantrelDoc loaded(&notifier);
    ASSERT_TRUE(LoadDesign(
        loaded,
        {reinterpret_cast<const std::uint8_t*>(source.constData()), std::size_t(source.size())},
        u"source", codec));
    EXPECT_EQ(loaded.MainCount(), 1);
    ASSERT_EQ(loaded.pageBackgrounds.size(), 2u);
    const std::optional<Image> loadedPage = codec.Decode(loaded.pageBackgrounds[0].Bytes());
    ASSERT_TRUE(loadedPage.has_value());
    EXPECT_EQ(loadedPage->width, 40);
    EXPECT_TRUE(loaded.pageBackgrounds[1].IsEmpty());

    const QByteArray background =
        QByteArray::fromBase64(QByteArray::fromStdString(StringMember(json, "bgImage")));
    ASSERT_GE(background.size(), 2);
    EXPECT_EQ(std::uint8_t(background[0]), 0xFF); // a JPEG file
    EXPECT_EQ(std::uint8_t(background[1]), 0xD8);
}

} // namespace
} // namespace vantrel
