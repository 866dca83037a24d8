#include "paint/curve.h"
#include "paint/paint_drawing.h"

#include <cmath>

namespace vantrel {

namespace {

// A moving curve is lit in blocks of this normalized length.
constexpr double kBlockLength = 0.02;

} // namespace

// A selected "Moving" curve lights every third block of its length in the
// active colour (also in state 2), the lit blocks travelling along the curve
// with the tick; the others show the normal colour.
void Curve::Draw(Surface& surface, const Rect& client, int state, int tick, int /*progress*/) const
{
    const bool moving = state != 0 && style == kMoving;
    PenScope pen(surface);
    pen.Select(PenOf(*this, StateColor(state, tick)));
    const Point start = from.ToDevice(client);
    surface.MoveTo(start.x, start.y);
    FPoint previous = from;
    double length = 0;
    for (const auto& offset : points) {
        const FPoint at(from.x + offset->x, from.y + offset->y);
        if (moving) {
            length += std::hypot(double(at.x) - previous.x, double(at.y) - previous.y);
            const double block = std::floor(length / kBlockLength);
            const bool lit = std::fmod(block, 3.0) == TickPhase(tick);
            pen.Select(PenOf(*this, StateColor(lit ? 1 : 0, 0)));
        }
        const Point device = at.ToDevice(client);
        surface.LineTo(device.x, device.y);
        surface.MoveTo(device.x, device.y);
        previous = at;
    }
}

} // namespace vantrel
