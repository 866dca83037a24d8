#include "graphics/encoded_image.h"

#include <algorithm>

namespace vantrel {

EncodedImage::EncodedImage(std::vector<std::uint8_t> bytes)
{
    if (!bytes.empty())
        bytes_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

std::span<const std::uint8_t> EncodedImage::Bytes() const
{
    if (!bytes_)
        return {};
    return *bytes_;
}

bool operator==(const EncodedImage& a, const EncodedImage& b)
{
    return std::ranges::equal(a.Bytes(), b.Bytes());
}

std::vector<std::uint8_t> EncodeAs(const EncodedImage& image, ImageFormat format,
                                   const ImageCodec& codec)
{
    const std::span<const std::uint8_t> bytes = image.Bytes();
    if (bytes.empty())
        return {};
    if (format == ImageFormat::Png && codec.IsPng(bytes))
        return {bytes.begin(), bytes.end()};
    const std::optional<Image> decoded = codec.Decode(bytes);
    return decoded ? codec.Encode(*decoded, format) : std::vector<std::uint8_t>{};
}

} // namespace vantrel
