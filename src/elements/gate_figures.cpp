#include "elements/gate_figures.h"

#include "graphics/surface.h"

namespace vantrel {

void DrawDShape(Surface& surface, int x, int y, int r)
{
    surface.DrawChord({x - 3 * r, y - r, x + r, y + r}, {x - r, y + r}, {x - r, y - r});
}

void DrawArrowShape(Surface& surface, int x, int y, int r)
{
    const Point points[] = {{x - r, y - r}, {x + r, y}, {x - r, y + r}, {x - r / 2, y}};
    surface.DrawPolygon(points);
}

void DrawBubble(Surface& surface, int x, int y, int r, int radius)
{
    surface.DrawEllipse(x + r - radius, y - radius, x + r + radius, y + radius);
}

void DrawXorBar(Surface& surface, int x, int y, int r)
{
    const Point points[] = {{x - 5 * r / 6, y + r}, {x - r / 3, y}, {x - 5 * r / 6, y - r}};
    surface.DrawPolyline(points);
}

} // namespace vantrel
