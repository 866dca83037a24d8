#include "paint/text_stuff.h"

#include "archive/archive.h"
#include "archive/byte_buffer.h"
#include "archive/json_writer.h"

namespace vantrel {

namespace {

constexpr std::int32_t kFirstVersionWithText = 3;
// The box a text is hit in, in device pixels.
constexpr std::int64_t kCharacterWidth = 8;
constexpr std::int64_t kTextHeight = 12;

// The normalized coordinate `pixels` device pixels beyond `start` on an axis
// of `extent` pixels.
float Beyond(float start, std::int64_t pixels, int extent)
{
    const int startPixel = DeviceCoordinate(start * float(extent) * 0.5f);
    return float(startPixel + pixels) * 2 / float(extent);
}

} // namespace

TextStuff::TextStuff(Point device, const Rect& client, std::u16string initialText,
                     std::int32_t page)
    : text(std::move(initialText))
{
    from = FPoint::FromDevice(device, client);
    to = FPoint::FromDevice({0, 0}, client);
    pageIndex = page;
}

void TextStuff::WriteJson(JsonWriter& writer) const
{
    PaintStuff::WriteJson(writer);
    writer.WriteString("text", text);
}

void TextStuff::CopyFrom(const PaintStuff& other)
{
    PaintStuff::CopyFrom(other);
    if (auto* textObject = dynamic_cast<const TextStuff*>(&other))
        text = textObject->text;
}

std::int32_t TextStuff::SerializeBody(CArchive& archive)
{
    const std::int32_t version = PaintStuff::SerializeBody(archive);
    if (version >= kFirstVersionWithText)
        archive.Exchange(text);
    return version;
}

void TextStuff::WriteFlashRecord(ByteWriter& out) const
{
    PaintStuff::WriteFlashRecord(out);
    out.FixedText(text, kFlashTextSize);
}

bool TextStuff::HitTest(const FPoint& p, const Rect& client) const
{
    const auto length = std::int64_t(text.size());
    return from.x <= p.x && p.x <= Beyond(from.x, kCharacterWidth * length, client.Width()) &&
           from.y <= p.y && p.y <= Beyond(from.y, kTextHeight, client.Height());
}

} // namespace vantrel
