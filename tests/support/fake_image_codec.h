#pragma once

#include "platform/image_codec.h"

namespace vantrel::test {

// A codec for headless tests: "IMG" + width + height (one byte each) + one
// byte per pixel (its blue channel). Anything else does not decode.
class FakeImageCodec final : public ImageCodec
{
public:
    std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const override;
    std::optional<Image> DecodeFile(const std::filesystem::path& path) const override;
    std::vector<std::uint8_t> Encode(const Image& image, ImageFormat format) const override;

    static Image Sample(int width, int height);
};

} // namespace vantrel::test
