#include "elements/element_drawing.h"

#include "elements/log_element.h"
#include "graphics/surface.h"

namespace vantrel {

void DrawElementWithPins(Surface& surface, const ElFinder& finder, const LogElement& element, int x,
                         int y, int r)
{
    const int stub = r / 5;
    const Point anchor{x, y};
    if (element.HasOutput()) {
        const Point pin = element.OutputPinOffset(r) + anchor;
        surface.MoveTo(pin.x, pin.y);
        surface.LineTo(pin.x + stub, pin.y);
    }
    for (int i = 0; i < element.InputCount(); ++i) {
        const Point pin = element.InputPinOffset(r, i) + anchor;
        surface.MoveTo(pin.x, pin.y);
        surface.LineTo(pin.x - stub, pin.y);
    }
    element.DrawBody(surface, finder, x, y, r);
}

} // namespace vantrel
