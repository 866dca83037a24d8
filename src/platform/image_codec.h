#pragma once

#include "platform/image.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

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

    virtual std::optional<Image> Decode(std::span<const std::uint8_t> bytes) const = 0;
    virtual std::optional<Image> DecodeFile(const std::filesystem::path& path) const = 0;

    // A complete, self-contained PNG or JPEG file of the whole image; the
    // empty image encodes to zero bytes.
    virtual std::vector<std::uint8_t> Encode(const Image& image, ImageFormat format) const = 0;
};

} // namespace vantrel
