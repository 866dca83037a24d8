#include "editing/page_background.h"

#include "archive/file_bytes.h"
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "platform/image_codec.h"

#include <new>

namespace vantrel {

namespace {

EncodedImage* PageSlot(CVantrelDoc& document, int page)
{
    if (page < 0 || std::size_t(page) >= document.pageBackgrounds.size())
        return nullptr;
    return &document.pageBackgrounds[std::size_t(page)];
}

// The file as it is, once it is known to decode; the empty image for a
// file that cannot be read (not a regular file, too large, out of memory) or
// does not decode.
EncodedImage ReadImageFile(const std::filesystem::path& path, const ImageCodec& codec)
{
    try {
        std::vector<std::uint8_t> bytes = ReadFileBytes(path);
        if (!codec.Decode(bytes))
            return {};
        return EncodedImage(std::move(bytes));
    } catch (const FileError&) {
        return {};
    } catch (const std::bad_alloc&) {
        return {};
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
    EncodedImage image = ReadImageFile(path, codec);
    const bool loaded = !image.IsEmpty();
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kBackground);
    if (EncodedImage* slot = PageSlot(document, page))
        *slot = std::move(image);
    edit.Commit();
    if (!loaded)
        document.GetNotifier().Message(u"Could not load background image", u"Error",
                                       MessageButtons::Ok);
    return loaded;
}

} // namespace vantrel
