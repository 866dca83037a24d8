#pragma once

#include "graphics/forwarding_surface.h"

namespace vantrel {

// Draws everything but texts on its target: the figures of a picture
// without their labels. Texts are still measured there, so that what
// depends on their size stays in place.
class TextlessSurface final : public ForwardingSurface
{
public:
    using ForwardingSurface::ForwardingSurface;

    void DrawText(int /*x*/, int /*y*/, const std::u16string& /*text*/) override {}
};

} // namespace vantrel
