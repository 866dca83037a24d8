#include "elements/comment.h"

#include "archive/archive.h"
#include "graphics/surface.h"

namespace vantrel {

LogComment::LogComment(Point position, std::int32_t elementId, std::u16string commentText)
    : ElementKind(position, elementId), text(std::move(commentText))
{}

void LogComment::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(text);
}

// The box reaches from the anchor's upper left to the end of the measured
// text; the text itself sits half a size in, in its own colour.
void LogComment::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    const Size extent = s.TextExtent(text);
    s.DrawRectangle(x - r, y - r, x + extent.width, y + extent.height);
    const Colour previous = s.SetTextColour(kTextColour);
    s.DrawText(x - r / 2, y - r / 2, text);
    s.SetTextColour(previous);
}

} // namespace vantrel
