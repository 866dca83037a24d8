#pragma once

#include "elements/element_kind.h"
#include "graphics/colour.h"

#include <string>

namespace vantrel {

// A text box on the drawing, outside the logic: it is neither sorted nor
// compiled.
class LogComment : public ElementKind<LogComment>
{
public:
    static constexpr const char* kClassName = "LogComment";
    // The orange of comment texts, RGB(251, 158, 55).
    static constexpr Colour kTextColour = Rgb(251, 158, 55);

    using ElementKind::ElementKind;
    LogComment(Point position, std::int32_t elementId, std::u16string commentText);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    int ListKind() const override { return kCommentList; }
    int InputCount() const override { return 0; }
    bool HasOutput() const override { return false; }
    int WordCount() const override { return 0; }
    void Encode(std::vector<std::uint32_t>&, const ElFinder&) const override {}
    std::u16string Describe(const ElFinder&) const override { return u"Comment: " + text; }
    std::u16string Name() const override { return text; }

    std::u16string text;
};

} // namespace vantrel
