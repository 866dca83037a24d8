#include "support/fake_image_codec.h"

namespace vantrel::test {

std::optional<Image> FakeImageCodec::Decode(std::span<const std::uint8_t> bytes) const
{
    if (bytes.size() < 5 || !IsImageFile(bytes))
        return std::nullopt;
    Image image{bytes[3], bytes[4], {}};
    if (bytes.size() != 5u + std::size_t(image.width * image.height) || image.IsEmpty())
        return std::nullopt;
    for (std::size_t i = 5; i < bytes.size(); ++i)
        image.pixels.push_back(0xFF000000u | bytes[i]);
    return image;
}

bool FakeImageCodec::IsImageFile(std::span<const std::uint8_t> bytes) const
{
    return bytes.size() >= 3 && bytes[0] == 'I' && bytes[1] == 'M' && bytes[2] == 'G';
}

bool FakeImageCodec::IsPng(std::span<const std::uint8_t> bytes) const
{
    return IsImageFile(bytes);
}

std::vector<std::uint8_t> FakeImageCodec::Encode(const Image& image, ImageFormat) const
{
    if (image.IsEmpty())
        return {};
    std::vector<std::uint8_t> bytes{'I', 'M', 'G', std::uint8_t(image.width),
                                    std::uint8_t(image.height)};
    for (std::uint32_t pixel : image.pixels)
        bytes.push_back(std::uint8_t(pixel));
    return bytes;
}

Image FakeImageCodec::Sample(int width, int height)
{
    Image image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.pixels.push_back(0xFF000000u | std::uint32_t(i * 7 % 256));
    return image;
}

EncodedImage FakeImageCodec::Encoded(const Image& image)
{
    return EncodedImage(FakeImageCodec().Encode(image, ImageFormat::Png));
}

Image FakeImageCodec::Decoded(const EncodedImage& image)
{
    return FakeImageCodec().Decode(image.Bytes()).value_or(Image{});
}

} // namespace vantrel::test
