#include "paint/paint_drawing.h"
#include "paint/shapes.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// The dash length of a moving line: 1 % of the client's smaller side.
unsigned MovingDashLength(const Rect& client)
{
    const int side = std::min(client.Width(), client.Height());
    return unsigned(std::max(0.0, std::trunc(side * 0.02 * 0.5)));
}

// Where the dashes of a moving line start: g pixels further along the line
// on every tick, repeating after three.
Point MovingDashStart(Point start, Point end, unsigned dash, int tick)
{
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return start; // no direction to move along
    const int phase = TickPhase(tick);
    return {DeviceCoordinate(start.x + dx * phase / (length / dash)),
            DeviceCoordinate(start.y + dy * phase / (length / dash))};
}

// A selected "Moving" line: the whole line in the normal colour under dashes
// of the state colour (on g, off 2g) that advance with the tick.
void DrawMovingLine(const Line& line, Surface& surface, const Rect& client, int state, int tick)
{
    const Point start = line.from.ToDevice(client);
    const Point end = line.to.ToDevice(client);
    const unsigned dash = MovingDashLength(client);
    PenScope pen(surface);
    if (dash == 0) {
        // A client this small has no room for dashes: the line shows solid.
        pen.Select(PenOf(line, line.StateColor(state, 0)));
        surface.MoveTo(start.x, start.y);
        surface.LineTo(end.x, end.y);
        return;
    }
    pen.Select(PenOf(line, line.StateColor(0, 0)));
    surface.MoveTo(start.x, start.y);
    surface.LineTo(end.x, end.y);
    pen.Select(Pen::UserDashed(line.width, line.StateColor(state, 0), {dash, 2 * dash}));
    const Point dashStart = MovingDashStart(start, end, dash, tick);
    surface.MoveTo(dashStart.x, dashStart.y);
    surface.LineTo(end.x, end.y);
}

} // namespace

void Line::Draw(Surface& surface, const Rect& client, int state, int tick, int progress) const
{
    if (state != 0 && style == kMoving) {
        DrawMovingLine(*this, surface, client, state, tick);
        return;
    }
    if (IsHiddenStyle(*this, state))
        return;
    const Point start = from.ToDevice(client);
    const Point end = to.ToDevice(client);
    PenScope pen(surface);
    surface.MoveTo(start.x, start.y);
    if (ShowsProgress(*this)) {
        // The progress part runs from `from` towards `to`.
        const float f = ProgressFraction(*this, progress);
        const Point reached =
            FPoint(from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f).ToDevice(client);
        pen.Select(PenOf(*this, progressColor));
        surface.LineTo(reached.x, reached.y);
    }
    pen.Select(PenOf(*this, StateColor(state, tick)));
    surface.LineTo(end.x, end.y);
}

} // namespace vantrel
