#pragma once

#include "graphics/forwarding_surface.h"

namespace vantrel {

// Passes a figure on to another surface without its labels: texts longer
// than two characters (names, numbers, captions) are left out, symbols such
// as "==" or ">" stay. Small pictures of elements use it, where a label
// would only be a smudge.
class SymbolSurface final : public ForwardingSurface
{
public:
    using ForwardingSurface::ForwardingSurface;

    void DrawText(int x, int y, const std::u16string& text) override
    {
        if (text.size() <= 2)
            Target().DrawText(x, y, text);
    }
    Size TextExtent(const std::u16string& text) override
    {
        return text.size() <= 2 ? Target().TextExtent(text) : Size{};
    }
};

} // namespace vantrel
