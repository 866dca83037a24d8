#include "qt_adapters/qt_arc_angles.h"

#include <cmath>
#include <numbers>

namespace vantrel {

QRectF EllipseRect(const Rect& box)
{
    return {box.left + 0.5, box.top + 0.5, box.Width() - 1.0, box.Height() - 1.0};
}

int RayAngle16(const Rect& box, Point p)
{
    const double halfWidth = box.Width() / 2.0;
    const double halfHeight = box.Height() / 2.0;
    const double dx = (p.x - (box.left + box.right) / 2.0) / halfWidth;
    const double dy = -(p.y - (box.top + box.bottom) / 2.0) / halfHeight;
    const double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    const int angle = int(std::lround(degrees * 16.0)) % kFullCircle16;
    return angle < 0 ? angle + kFullCircle16 : angle;
}

int ArcSpan16(int start, int end, ArcDirection direction)
{
    const bool ccw = direction == ArcDirection::CounterClockwise;
    int span = ((ccw ? end - start : start - end) % kFullCircle16 + kFullCircle16) % kFullCircle16;
    if (span == 0)
        span = kFullCircle16;
    return ccw ? span : -span;
}

} // namespace vantrel
