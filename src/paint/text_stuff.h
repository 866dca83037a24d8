#pragma once

#include "paint/filled.h"

#include <string>

namespace vantrel {

// A text whose top-left corner is `from`; `to` is not part of the figure.
// It is hit in a box of 8 device pixels per character by 12 pixels.
class TextStuff : public PaintKind<TextStuff>
{
public:
    static constexpr const char* kClassName = "TextStuff";
    static constexpr int kTypeCode = 7;
    static constexpr std::u16string_view kTypeName = u"text";
    // The flash record's text field: at most 63 bytes and a terminating zero.
    static constexpr std::size_t kFlashTextSize = 64;

    TextStuff() = default;
    // A text placed at a device point of the client rectangle on a page.
    TextStuff(Point device, const Rect& client, std::u16string text, std::int32_t page);

    using PaintKind::TextRef;

    void WriteJson(JsonWriter& writer) const override;
    void CopyFrom(const PaintStuff& other) override;
    std::int32_t SerializeBody(CArchive& archive) override;
    void WriteFlashRecord(ByteWriter& out) const override;
    bool HitTest(const FPoint& point, const Rect& client) const override;
    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
    const std::u16string* TextRef() const override { return &text; }
    FPoint TopLeft() const override { return from; }
    FPoint BottomRight() const override { return from; }

    std::u16string text;
};

// A text on a background of its fill colour.
class FilledText : public PaintKind<FilledText, Filled<TextStuff>>
{
public:
    static constexpr const char* kClassName = "FilledText";
    static constexpr int kTypeCode = 8;
    static constexpr std::u16string_view kTypeName = u"text";

    using PaintKind::PaintKind;

    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
};

} // namespace vantrel
