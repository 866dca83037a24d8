#pragma once

#include "graphics/image_codec.h"

namespace vantrel {

// The image codec on QImageReader and QImageWriter. Decodes every format the
// installed Qt image plug-ins read; encodes PNG and JPEG (quality 90; JPEG
// drops the alpha channel). Should an encoder fail, Encode gives zero bytes,
// like the empty image.
//
// Bytes are untrusted (design files, imported files): an image over
// kMaxDimension on either side or kMaxPixels in all is refused. Its declared
// size is checked before any pixel is decoded, and the decoded image again,
// because a header may lie: a GIF's screen size, an icon directory's entry
// for an embedded PNG. Qt's own allocation limit, set for the whole process
// when the codec is constructed, stops a decoder before it allocates more
// than such an image takes. Decoding never throws.
class QtImageCodec final : public ImageCodec
{
public:
    static constexpr int kMaxDimension = 16384;
    // 8192 x 4096: an 8K display (7680 x 4320) fits, as does an A3 sheet
    // scanned at 400 dpi, far above any page a screen shows; 128 MiB decoded.
    static constexpr long long kMaxPixels = 8192LL * 4096;
    // What an image of kMaxPixels takes at four bytes a pixel.
    static constexpr int kAllocationLimitMb = int(kMaxPixels * 4 / (1024LL * 1024));
    static constexpr int kJpegQuality = 90;

    QtImageCodec();

    std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const override;
    std::optional<OversizedImage> Oversized(std::span<const std::uint8_t> bytes) const override;
    std::vector<std::uint8_t> Encode(const Image& image, ImageFormat format) const override;
    bool IsImageFile(std::span<const std::uint8_t> bytes) const override;
    bool IsPng(std::span<const std::uint8_t> bytes) const override;
};

} // namespace vantrel
