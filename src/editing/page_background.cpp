#include "editing/page_background.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "graphics/image_codec.h"

#include <new>
#include <string>

namespace vantrel {

namespace {

EncodedImage* PageSlot(CVantrelDoc& document, int page)
{
    if (page < 0 || std::size_t(page) >= document.pageBackgrounds.size())
        return nullptr;
    return &document.pageBackgrounds[std::size_t(page)];
}

constexpr char16_t kNotLoaded[] = u"Could not load background image";

// Says the image's size and the limit it is over, and what to do.
std::u16string TooLargeMessage(const OversizedImage& image)
{
    return std::u16string(kNotLoaded) + u": the image is " + Decimal(image.size.width) + u" x " +
           Decimal(image.size.height) + u" pixels, and a background image may have at most " +
           Decimal(image.maxPixels) + u" pixels and at most " + Decimal(image.maxSide) +
           u" on either side. Scale the image down and import it again.";
}

struct ImportedFile
{
    EncodedImage image;
    // What to tell the user when there is no image.
    std::u16string failure;
};

// The file as it is, once it is known to decode; no image for a file that
// cannot be read (not a regular file, too large, out of memory) or does not
// decode.
ImportedFile ReadImageFile(const std::filesystem::path& path, const ImageCodec& codec)
{
    try {
        std::vector<std::uint8_t> bytes = ReadFileBytes(path);
        if (codec.Decode(bytes))
            return {EncodedImage(std::move(bytes)), {}};
        const std::optional<OversizedImage> oversized = codec.Oversized(bytes);
        return {{}, oversized ? TooLargeMessage(*oversized) : kNotLoaded};
    } catch (const FileError&) {
        return {{}, kNotLoaded};
    } catch (const std::bad_alloc&) {
        return {{}, kNotLoaded};
    }
}

} // namespace

void SetBackgroundColour(CVantrelDoc& document, int page, Colour colour)
{
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kBackground);
    document.backgroundColour = colour;
    if (EncodedImage* slot = PageSlot(document, page))
        *slot = EncodedImage{};
    edit.Commit();
}

bool ImportBackground(CVantrelDoc& document, int page, const std::filesystem::path& path,
                      const ImageCodec& codec)
{
    ImportedFile file = ReadImageFile(path, codec);
    const bool loaded = !file.image.IsEmpty();
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kBackground);
    if (EncodedImage* slot = PageSlot(document, page))
        *slot = std::move(file.image);
    edit.Commit();
    if (!loaded)
        document.GetNotifier().Message(file.failure, u"Error", MessageButtons::Ok);
    return loaded;
}

} // namespace vantrel
