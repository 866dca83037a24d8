#pragma once

#include "graphics/image_codec.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vantrel {

// An image as the design holds it: the bytes of the image file it came
// from, decoded only while it is drawn or written in another format. A
// design may hold a hundred pages, and a decoded page can take a hundred
// times its file's size, so only the encoded bytes are kept. Copies share
// the bytes, which never change, so undo records cost no image memory.
class EncodedImage
{
public:
    EncodedImage() = default;
    // No bytes make the empty image.
    explicit EncodedImage(std::vector<std::uint8_t> bytes);

    bool IsEmpty() const { return bytes_ == nullptr; }
    std::span<const std::uint8_t> Bytes() const;
    // Whether both are the very same bytes (not merely equal ones): a cheap
    // test of whether a decoded copy still belongs to this image.
    bool SharesBytesWith(const EncodedImage& other) const { return bytes_ == other.bytes_; }

    friend bool operator==(const EncodedImage& a, const EncodedImage& b);

private:
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
};

// The image as a complete file of `format`. PNG bytes stay as they came
// where PNG is asked for, so a design saves its pages unchanged; anything
// else is decoded and encoded afresh. Empty for the empty image and for
// bytes that do not decode.
std::vector<std::uint8_t> EncodeAs(const EncodedImage& image, ImageFormat format,
                                   const ImageCodec& codec);

} // namespace vantrel
