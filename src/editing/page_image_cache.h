#pragma once

#include "graphics/encoded_image.h"
#include "graphics/image.h"

#include <optional>

namespace vantrel {

class CVantrelDoc;

// The one decoded page image that drawing needs: the page's image is
// decoded when it is asked for, and kept until another image is asked for.
// So however many pages a design has, at most one of them is decoded. An
// image that does not decode is remembered as such and not tried again.
class PageImageCache
{
public:
    explicit PageImageCache(const ImageCodec& codec) : codec_(codec) {}

    // The page's background image decoded; none when the page does not
    // exist, has no image or its image does not decode.
    const Image* Page(const CVantrelDoc& document, int page);

private:
    const ImageCodec& codec_;
    EncodedImage source_;
    std::optional<Image> decoded_;
};

} // namespace vantrel
