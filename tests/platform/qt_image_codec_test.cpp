// QtImageCodec and the QImage <-> Image helpers: PNG and JPEG round trips,
// the file signatures, empty and broken input, and refusing images that
// claim an absurd size before decoding them.
#include "platform/qt/qt_image.h"
#include "platform/qt/qt_image_codec.h"

#include <QByteArray>
#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fstream>
#include <string>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A small picture with smooth colour ramps (JPEG-friendly) and varied alpha.
Image TestImage(int width, int height, bool withAlpha)
{
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t alpha = withAlpha ? std::uint32_t((x * 255) / (width - 1)) : 0xFF;
            const auto red = std::uint32_t((x * 255) / (width - 1));
            const auto green = std::uint32_t((y * 255) / (height - 1));
            const std::uint32_t blue = 0x80;
            image.pixels.push_back(alpha << 24 | red << 16 | green << 8 | blue);
        }
    return image;
}

bool StartsWith(const Bytes& bytes, std::initializer_list<std::uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

TEST(QtImageCodec, PngRoundTripKeepsEveryPixel)
{
    const QtImageCodec codec;
    const Image image = TestImage(37, 21, true);
    const Bytes png = codec.Encode(image, ImageFormat::Png);
    EXPECT_TRUE(StartsWith(png, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));
    const std::optional<Image> decoded = codec.Decode(png);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->width, 37);
    EXPECT_EQ(decoded->height, 21);
    EXPECT_EQ(*decoded, image);
}

TEST(QtImageCodec, JpegRoundTripKeepsTheSizeAndRoughlyThePixels)
{
    const QtImageCodec codec;
    const Image image = TestImage(40, 30, false);
    const Bytes jpeg = codec.Encode(image, ImageFormat::Jpeg);
    EXPECT_TRUE(StartsWith(jpeg, {0xFF, 0xD8}));
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF); // EOI
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
    const std::optional<Image> decoded = codec.Decode(jpeg);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->width, 40);
    ASSERT_EQ(decoded->height, 30);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t a = image.pixels[i];
        const std::uint32_t b = decoded->pixels[i];
        EXPECT_EQ(b >> 24, 0xFFu);
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(int((a >> shift) & 0xFF), int((b >> shift) & 0xFF), 24) << "pixel " << i;
    }
}

TEST(QtImageCodec, EmptyImageEncodesToZeroBytes)
{
    const QtImageCodec codec;
    EXPECT_TRUE(codec.Encode(Image{}, ImageFormat::Png).empty());
    EXPECT_TRUE(codec.Encode(Image{}, ImageFormat::Jpeg).empty());
    EXPECT_TRUE(codec.Encode(Image{0, 5, {}}, ImageFormat::Png).empty());
    EXPECT_TRUE(codec.Encode(Image{2, 2, {1, 2, 3}}, ImageFormat::Png).empty()) << "pixels missing";
}

TEST(QtImageCodec, EmptyOrGarbageBytesDecodeToNothing)
{
    const QtImageCodec codec;
    EXPECT_FALSE(codec.Decode({}).has_value());
    const Bytes garbage = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e', 0, 1, 2};
    EXPECT_FALSE(codec.Decode(garbage).has_value());
    // A PNG cut off after its header.
    Bytes cut = codec.Encode(TestImage(8, 8, false), ImageFormat::Png);
    cut.resize(40);
    EXPECT_FALSE(codec.Decode(cut).has_value());
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(Bytes& bytes, std::uint32_t value)
{
    for (int shift : {24, 16, 8, 0})
        bytes.push_back(std::uint8_t(value >> shift));
}

void PutChunk(Bytes& png, const char* type, const Bytes& data)
{
    PutBigEndian(png, std::uint32_t(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, Crc32(png.data() + start, png.size() - start));
}

// A hand-made PNG: signature, an IHDR chunk that claims width x height RGBA
// pixels, one IDAT chunk and IEND. With `fullData` the IDAT holds all rows
// (zero pixels); otherwise only the one row of a 1 x 1 image, so that no
// large buffer is made for an absurd claim.
Bytes PngClaiming(std::uint32_t width, std::uint32_t height, bool fullData = false)
{
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no interlace
    PutChunk(png, "IHDR", header);
    if (fullData) {
        // Each row: filter byte 0 and 4 bytes a pixel. qCompress puts a
        // 4-byte length before the zlib stream.
        const QByteArray rows(qsizetype(height) * (1 + 4 * qsizetype(width)), '\0');
        const QByteArray zlib = qCompress(rows).mid(4);
        PutChunk(png, "IDAT", Bytes(zlib.begin(), zlib.end()));
    } else {
        // A stored zlib block of 5 zero bytes and its Adler-32.
        PutChunk(png, "IDAT",
                 {0x78, 0x01, 0x01, 0x05, 0x00, 0xFA, 0xFF, 0, 0, 0, 0, 0, 0x00, 0x05, 0x00, 0x01});
    }
    PutChunk(png, "IEND", {});
    return png;
}

TEST(QtImageCodec, RefusesAnAbsurdDeclaredSizeBeforeDecoding)
{
    const QtImageCodec codec;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(codec.Decode(PngClaiming(100000, 100000)).has_value());
    EXPECT_FALSE(codec.Decode(PngClaiming(16384, 8193)).has_value()) << "over 64 Mpixel";
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(1));
}

TEST(QtImageCodec, RefusesASideOverTheLimitEvenWhenTheDataIsThere)
{
    const QtImageCodec codec;
    const std::optional<Image> widest = codec.Decode(PngClaiming(16384, 1, true));
    ASSERT_TRUE(widest.has_value()) << "the largest side allowed";
    EXPECT_EQ(widest->width, 16384);
    EXPECT_FALSE(codec.Decode(PngClaiming(16385, 1, true)).has_value());
    EXPECT_FALSE(codec.Decode(PngClaiming(1, 16385, true)).has_value());
}

TEST(QtImageCodec, HandMadePngIsSoundAtASensibleSize)
{
    // The hand-made file decodes at 1 x 1, so the refusals above are for the
    // size alone.
    const QtImageCodec codec;
    const std::optional<Image> image = codec.Decode(PngClaiming(1, 1));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 1);
    EXPECT_EQ(image->height, 1);
    const std::optional<Image> full = codec.Decode(PngClaiming(3, 2, true));
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->pixels, std::vector<std::uint32_t>(6, 0u));
}

TEST(QtImageCodec, DecodeFileReadsAFileAndGivesNothingForAMissingOne)
{
    const QtImageCodec codec;
    EXPECT_FALSE(codec.DecodeFile("/nonexistent/folder/background.png").has_value());

    const std::string dir = VANTREL_TEST_OUTPUT_DIR "/platform";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
    const std::string path = dir + "/codec_test_image.png";
    const Image image = TestImage(9, 7, true);
    const Bytes png = codec.Encode(image, ImageFormat::Png);
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    }
    const std::optional<Image> decoded = codec.DecodeFile(path);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, image);
}

TEST(QtImageCodec, SetsQtsAllocationLimit)
{
    const QtImageCodec codec;
    EXPECT_EQ(QImageReader::allocationLimit(), QtImageCodec::kAllocationLimitMb);
}

TEST(QtImageHelpers, ImagePixelsAreArgb32)
{
    const Image image{2, 1, {0xFF112233, 0x80445566}};
    const QImage qimage = ToQImage(image);
    ASSERT_EQ(qimage.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qimage.pixel(0, 0), qRgba(0x11, 0x22, 0x33, 0xFF));
    EXPECT_EQ(qimage.pixel(1, 0), qRgba(0x44, 0x55, 0x66, 0x80));
    EXPECT_EQ(FromQImage(qimage), image);
    EXPECT_EQ(WrapAsQImage(image).pixel(1, 0), qRgba(0x44, 0x55, 0x66, 0x80));
}

TEST(QtImageHelpers, OtherFormatsAreConverted)
{
    QImage rgb(3, 2, QImage::Format_RGB888);
    rgb.fill(QColor(0x10, 0x20, 0x30));
    const Image image = FromQImage(rgb);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, std::vector<std::uint32_t>(6, 0xFF102030));
}

TEST(QtImageHelpers, EmptyAndInconsistentImagesGiveTheNullQImage)
{
    EXPECT_TRUE(ToQImage(Image{}).isNull());
    EXPECT_TRUE(ToQImage(Image{2, 2, {1}}).isNull());
    EXPECT_TRUE(WrapAsQImage(Image{2, 2, {1}}).isNull());
    EXPECT_TRUE(FromQImage(QImage()).IsEmpty());
}

} // namespace
} // namespace vantrel
