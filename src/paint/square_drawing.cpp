#include "paint/paint_drawing.h"
#include "paint/shapes.h"

#include <algorithm>

namespace vantrel {

void Square::Draw(Surface& surface, const Rect& client, int state, int tick, int /*progress*/) const
{
    const Point a = from.ToDevice(client);
    const Point b = to.ToDevice(client);
    PenScope pen(surface);
    pen.Select(PenOf(*this, StateColor(state, tick)));
    surface.DrawRectangle(a.x, a.y, b.x, b.y);
}

// The progress display fills the rectangle from its `to` edge towards its
// `from` edge: the band between the two is the rows between the `to` edge
// and the reached height, while its columns run from `from` to `to` as they
// are (so a rectangle whose `to` lies left of `from` fills nothing).
void FilledSquare::Draw(Surface& surface, const Rect& client, int state, int tick,
                        int progress) const
{
    const Brush previous = surface.SetBrush(Brush::Solid(FillStateColor(state, tick)));
    Square::Draw(surface, client, state, tick, progress);
    if (ShowsProgress(*this)) {
        const float f = ProgressFraction(*this, progress);
        const int reached = FPoint(from.x, to.y - (to.y - from.y) * f).ToDevice(client).y;
        const Point a = from.ToDevice(client);
        const Point b = to.ToDevice(client);
        surface.FillRectangle({a.x, std::min(reached, b.y), b.x, std::max(reached, b.y)},
                              progressColor);
    }
    surface.SetBrush(previous);
}

} // namespace vantrel
