#include "editing/page_image_cache.h"

#include "document/vantrel_doc.h"

namespace vantrel {

const Image* PageImageCache::Page(const CVantrelDoc& document, int page)
{
    if (page < 0 || std::size_t(page) >= document.pageBackgrounds.size())
        return nullptr;
    const EncodedImage& image = document.pageBackgrounds[std::size_t(page)];
    if (image.IsEmpty())
        return nullptr;
    if (!source_.SharesBytesWith(image)) {
        // The old picture goes first, so that two are never held at once.
        decoded_.reset();
        source_ = image;
        decoded_ = codec_.Decode(image.Bytes());
    }
    return decoded_ ? &*decoded_ : nullptr;
}

} // namespace vantrel
