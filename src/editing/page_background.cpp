#include "editing/page_background.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "platform/image_codec.h"

namespace vantrel {

namespace {

Image* PageSlot(CVantrelDoc& document, int page)
{
    if (page < 0 || std::size_t(page) >= document.pageBackgrounds.size())
        return nullptr;
    return &document.pageBackgrounds[std::size_t(page)];
}

} // namespace

void SetBackgroundColour(CVantrelDoc& document, int page, Colour colour)
{
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kBackground);
    document.backgroundColour = colour;
    if (Image* slot = PageSlot(document, page))
        *slot = Image{};
    edit.Commit();
}

bool ImportBackground(CVantrelDoc& document, int page, const std::filesystem::path& path,
                      const ImageCodec& codec)
{
    std::optional<Image> image = codec.DecodeFile(path);
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kBackground);
    if (Image* slot = PageSlot(document, page))
        *slot = image ? std::move(*image) : Image{};
    edit.Commit();
    if (!image)
        document.GetNotifier().Message(u"Could not load background image", u"Error",
                                       MessageButtons::Ok);
    return image.has_value();
}

} // namespace vantrel
