// QtImageCodec and the QImage <-> Image helpers: PNG and JPEG round trips,
// the file signatures, empty and broken input, and refusing images that
// claim an absurd size before decoding them.
#include "qt_adapters/qt_image.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/image_bombs.h"

#include <QByteArray>
#include <QImageReader>
#include <gtest/gtest.h>

#include <array>
#include <chrono>

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

// The support library's hand-made PNG; with `fullData` its IDAT holds all
// rows (zero pixels), otherwise only the one row of a 1 x 1 image, so that no
// large buffer is made for an absurd claim.
Bytes PngClaiming(std::uint32_t width, std::uint32_t height, bool fullData = false)
{
    if (!fullData)
        return test::PngClaiming(width, height);
    // Each row: filter byte 0 and 4 bytes a pixel. qCompress puts a 4-byte
    // length before the zlib stream.
    const QByteArray rows(qsizetype(height) * (1 + 4 * qsizetype(width)), '\0');
    const QByteArray zlib = qCompress(rows).mid(4);
    return test::PngClaiming(width, height, 6, Bytes(zlib.begin(), zlib.end()));
}

TEST(QtImageCodec, RefusesAnAbsurdDeclaredSizeBeforeDecoding)
{
    const QtImageCodec codec;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(codec.Decode(PngClaiming(100000, 100000)).has_value());
    EXPECT_FALSE(codec.Decode(PngClaiming(16384, 8193)).has_value()) << "over the pixel limit";
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(1));
}

// What the import tells the user: the declared size of an image refused for
// it, and nothing for images refused for anything else or not refused.
TEST(QtImageCodec, TellsTheSizeOfAnImageRefusedForIt)
{
    const QtImageCodec codec;
    for (const auto& [width, height] :
         {std::pair{100000u, 100000u}, std::pair{16384u, 8193u}, std::pair{16385u, 1u}}) {
        const std::optional<OversizedImage> oversized = codec.Oversized(PngClaiming(width, height));
        ASSERT_TRUE(oversized.has_value()) << width << " x " << height;
        EXPECT_EQ(oversized->size, (Size{int(width), int(height)}));
        EXPECT_EQ(oversized->maxSide, 16384);
        EXPECT_EQ(oversized->maxPixels, 8192LL * 4096);
    }
    EXPECT_FALSE(codec.Oversized(PngClaiming(16384, 2048)).has_value());
    EXPECT_FALSE(codec.Oversized(Bytes{'n', 'o', 't'}).has_value());
    EXPECT_FALSE(codec.Oversized({}).has_value());
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

struct Bomb
{
    const char* name;
    Bytes bytes;
    // The same file at a size that decodes, to show it is refused for its size alone.
    Bytes sound;
};

// Files whose header claims less than they decode to, or that decode to far
// more than their bytes: refused, and in no time, so no decoder made the
// picture first.
TEST(QtImageCodec, RefusesImagesThatDecodeBeyondThePixelLimitWhateverTheirHeaderSays)
{
    const QtImageCodec codec;
    const Bomb bombs[] = {
        {"a GIF whose frame is 1 x 1 and whose screen is 16384 x 4000",
         test::GifClaiming(16384, 4000), test::GifClaiming(3, 2)},
        {"a truncated JPEG of 16384 x 4000", test::TruncatedJpegClaiming(16384, 4000),
         test::TruncatedJpegClaiming(16, 16)},
        {"an icon entry of 16 x 16 holding a PNG of 16384 x 4000",
         test::IconHolding(test::PngClaiming(16384, 4000)),
         test::IconHolding(test::PngClaiming(1, 1))},
        {"an icon entry of 16 x 16 holding a PNG of 8192 x 4097 with all its rows",
         test::IconHolding(PngClaiming(8192, 4097, true)),
         test::IconHolding(PngClaiming(2, 3, true))},
    };
    for (const Bomb& bomb : bombs) {
        SCOPED_TRACE(bomb.name);
        EXPECT_TRUE(codec.IsImageFile(bomb.bytes));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(codec.Decode(bomb.bytes).has_value());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
        EXPECT_TRUE(codec.Decode(bomb.sound).has_value());
    }
}

// The limit itself is a size a page may have: 8192 x 4096 decodes, one more
// row does not. The GIF's screen makes the picture from a few bytes.
TEST(QtImageCodec, AnImageAtThePixelLimitDecodesAndOneRowMoreDoesNot)
{
    const QtImageCodec codec;
    const std::optional<Image> largest = codec.Decode(test::GifClaiming(8192, 4096));
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->width * largest->height, QtImageCodec::kMaxPixels);
    EXPECT_FALSE(codec.Decode(test::GifClaiming(8192, 4097)).has_value());
}

TEST(QtImageCodec, TellsImageFilesAndPngFilesByTheirHeader)
{
    const QtImageCodec codec;
    const Bytes png = codec.Encode(TestImage(4, 3, true), ImageFormat::Png);
    const Bytes jpeg = codec.Encode(TestImage(4, 3, false), ImageFormat::Jpeg);
    const Bytes gif = test::GifClaiming(3, 2);
    const Bytes damagedPng = {png.begin(), png.begin() + 40};
    const Bytes garbage = {'n', 'o', ' ', 'i', 'm', 'a', 'g', 'e', ' ', 'h', 'e', 'r', 'e'};
    const Bytes signatureOnly = {0x89, 'P', 'N', 'G'};
    const Bytes nothing;
    const struct
    {
        const char* name;
        const Bytes& bytes;
        bool image;
        bool isPng;
    } cases[] = {
        {"png", png, true, true},           {"jpeg", jpeg, true, false},
        {"gif", gif, true, false},          {"png cut after its header", damagedPng, true, true},
        {"garbage", garbage, false, false}, {"half a PNG signature", signatureOnly, false, false},
        {"nothing", nothing, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codec.IsImageFile(c.bytes), c.image);
        EXPECT_EQ(codec.IsPng(c.bytes), c.isPng);
    }
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
