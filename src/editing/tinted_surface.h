#pragma once

#include "graphics/forwarding_surface.h"

namespace vantrel {

// Draws every line, fill and text on its target in one colour, whatever
// colours the figures ask for, and leaves pictures out: a figure as a ghost
// of itself. Pen widths and styles stay as asked.
class TintedSurface final : public ForwardingSurface
{
public:
    TintedSurface(Surface& target, Colour tint) : ForwardingSurface(target), tint_(tint) {}

    Pen SetPen(const Pen& pen) override
    {
        Pen tinted = pen;
        tinted.colour = tint_;
        return ForwardingSurface::SetPen(tinted);
    }
    Brush SetBrush(const Brush& brush) override
    {
        return ForwardingSurface::SetBrush(brush.hollow ? brush : Brush::Solid(tint_));
    }
    Colour SetTextColour(Colour /*colour*/) override
    {
        return ForwardingSurface::SetTextColour(tint_);
    }
    void FillRectangle(const Rect& rect, Colour /*colour*/) override
    {
        ForwardingSurface::FillRectangle(rect, tint_);
    }
    void DrawImageStretched(const Image& /*image*/, const Rect& /*dest*/) override {}

private:
    Colour tint_;
};

} // namespace vantrel
