#pragma once

#include "graphics/surface.h"

#include <QRectF>

namespace vantrel {

constexpr int kFullCircle16 = 360 * 16;

// The ellipse inscribed in the box, through the centres of its edge pixels.
QRectF EllipseRect(const Rect& box);

// The angle of the ray from the box centre through p, in 1/16 degree from
// 0 to 5759, as Qt's parametric ellipse angle (the ray's polar angle with
// both axes scaled to the unit circle; y flipped so that angles turn
// counter-clockwise on screen).
int RayAngle16(const Rect& box, Point p);

// The signed span from start to end in the arc direction; equal angles make
// the whole ellipse.
int ArcSpan16(int start, int end, ArcDirection direction);

} // namespace vantrel
