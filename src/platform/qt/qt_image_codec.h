#pragma once

#include "platform/image_codec.h"

namespace vantrel {

// The image codec on QImageReader and QImageWriter. Decodes every format the
// installed Qt image plug-ins read; encodes PNG and JPEG (quality 90; JPEG
// drops the alpha channel). Should an encoder fail, Encode gives zero bytes,
// like the empty image.
//
// Bytes are untrusted (design files, dropped files): an image whose declared
// size exceeds kMaxDimension on either side or kMaxPixels in all is refused
// before any pixel is decoded, and Qt's own allocation limit is raised or
// lowered to kAllocationLimitMb for the whole process when the codec is
// constructed. Decoding never throws.
class QtImageCodec final : public ImageCodec
{
public:
    static constexpr int kMaxDimension = 16384;
    static constexpr long long kMaxPixels = 64LL * 1024 * 1024;
    static constexpr int kAllocationLimitMb = 256;
    static constexpr int kJpegQuality = 90;

    QtImageCodec();

    std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const override;
    std::optional<Image> DecodeFile(const std::filesystem::path& path) const override;
    std::vector<std::uint8_t> Encode(const Image& image, ImageFormat format) const override;
};

} // namespace vantrel
