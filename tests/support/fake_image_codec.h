#pragma once

#include "graphics/encoded_image.h"
#include "graphics/image_codec.h"

namespace vantrel::test {

// A codec for headless tests: "IMG" + width + height (one byte each) + one
// byte per pixel (its blue channel). Anything else does not decode. It has
// one format for all: bytes starting with "IMG" count as an image file and as
// PNG, whether or not the rest decodes.
class FakeImageCodec final : public ImageCodec
{
public:
    std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const override;
    std::vector<std::uint8_t> Encode(const Image& image, ImageFormat format) const override;
    bool IsImageFile(std::span<const std::uint8_t> bytes) const override;
    bool IsPng(std::span<const std::uint8_t> bytes) const override;

    static Image Sample(int width, int height);
    // The image as a page holds it, encoded by this codec.
    static EncodedImage Encoded(const Image& image);
    // The page's image decoded by this codec; empty when it does not decode.
    static Image Decoded(const EncodedImage& image);
};

} // namespace vantrel::test
