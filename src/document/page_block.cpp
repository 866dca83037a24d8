// The pages' background images in the design file. A page holds the image
// file it was read with; nothing is decoded while a design loads, so a
// design of many large pages opens in the memory of their files.
#include "archive/archive.h"
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"

#include <algorithm>

namespace vantrel {

namespace {

// Told once a load, with the numbers of the pages that lost their image.
constexpr char16_t kLostPageImagesText[] =
    u"These pages lost their background image, which is not an image file: ";

std::u16string LostPageImagesMessage(const std::vector<int>& pages)
{
    std::u16string text = kLostPageImagesText;
    for (std::size_t i = 0; i < pages.size(); ++i)
        text += (i == 0 ? u"" : u", ") + Decimal(pages[i]);
    return text;
}

} // namespace

void CVantrelDoc::StorePageBlock(CArchive& ar, const ImageCodec& codec,
                                 ImageFormat imageFormat) const
{
    ar.WriteInt32(0);
    ar.WriteInt32(std::int32_t(pageBackgrounds.size()));
    for (const EncodedImage& page : pageBackgrounds) {
        const std::vector<std::uint8_t> encoded = EncodeAs(page, imageFormat, codec);
        // An image file this program cannot show (too large, damaged) is
        // written as it came rather than lost: another machine may show it.
        const bool keptAsItCame = encoded.empty() && codec.IsImageFile(page.Bytes());
        const std::span<const std::uint8_t> bytes =
            keptAsItCame ? page.Bytes() : std::span<const std::uint8_t>(encoded);
        ar.WriteInt32(std::int32_t(bytes.size()));
        ar.WriteBytes(bytes);
    }
}

// Versions 10 to 18 hold one image, for the first page; later versions a
// block of page slots. Bytes that are no image file at all cannot be kept as
// one: the page is left without an image, and the user told.
void CVantrelDoc::ReadPageImages(CArchive& ar, const ImageCodec& codec, std::int32_t version)
{
    std::int32_t count = 1;
    if (version >= 19) {
        ar.ReadInt32();
        count = ar.ReadInt32();
        // Every slot holds at least its length; a count no stream could hold is damage.
        if (count < 0 || std::size_t(count) > ar.BytesLeft() / 4)
            ar.Fail(ArchiveCause::BadIndex);
        pageBackgrounds.assign(std::max<std::size_t>(std::size_t(count), 1), EncodedImage{});
    }
    std::vector<int> lost;
    for (std::int32_t slot = 0; slot < count; ++slot) {
        const std::int32_t length = ar.ReadInt32();
        if (length < 0)
            ar.Fail(ArchiveCause::BadIndex);
        std::vector<std::uint8_t> bytes = ar.ReadByteBlock(std::size_t(length));
        if (bytes.empty())
            continue;
        if (codec.IsImageFile(bytes))
            pageBackgrounds[std::size_t(slot)] = EncodedImage(std::move(bytes));
        else
            lost.push_back(slot + 1);
    }
    if (!lost.empty())
        notifier_->Message(LostPageImagesMessage(lost), u"Warning!", MessageButtons::Ok);
}

} // namespace vantrel
