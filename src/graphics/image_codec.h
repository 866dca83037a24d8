#pragma once

#include "graphics/geometry.h"
#include "graphics/image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

// An image refused for its size: the size its file declares and the
// largest a codec takes.
struct OversizedImage
{
    Size size;
    int maxSide = 0;
    long long maxPixels = 0;
};

enum class ImageFormat
{
    Png,  // design files
    Jpeg, // flash file and JSON export
};

// Decoding and encoding of page background images. Decoding never throws:
// bytes that do not decode (or are empty, or would need an absurd amount of
// memory) give no image, and the caller keeps an empty page slot.
class ImageCodec
{
public:
    virtual ~ImageCodec() = default;

    // Bounded: an image larger than the codec's pixel limit gives nothing,
    // whatever its header claims, and its decoding never allocates more than
    // that limit needs.
    virtual std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const = 0;

    // Why Decode refuses the bytes, when it is the size their header
    // declares: that size and the limit. None for bytes refused for anything
    // else, and from a codec without a limit.
    virtual std::optional<OversizedImage> Oversized(std::span<const std::uint8_t> /*bytes*/) const
    {
        return std::nullopt;
    }

    // A complete, self-contained PNG or JPEG file of the whole image; the
    // empty image encodes to zero bytes.
    virtual std::vector<std::uint8_t> Encode(const Image& image, ImageFormat format) const = 0;

    // Whether the bytes begin like an image file in a format this codec
    // knows, whether or not the rest decodes: a cheap look at the header.
    virtual bool IsImageFile(std::span<const std::uint8_t> bytes) const = 0;

    // Whether the bytes already are a PNG file (by their signature), so that
    // they can be stored as they are where PNG is wanted.
    virtual bool IsPng(std::span<const std::uint8_t> bytes) const = 0;
};

} // namespace vantrel
