#include "paint/shapes.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// How far off a line a click still hits it: the margin of its bounding box
// and the squared distance from the line.
constexpr float kLineMargin = 0.01f;
constexpr float kLineDistanceSquared = 0.0001f;
// How far outside an ellipse (in its own scaled measure) a click still hits it.
constexpr float kEllipseTolerance = 0.08f;
// Lines closer to an axis than this are snapped onto it.
constexpr float kStraightenLimit = 0.01f;

bool Between(float value, float a, float b)
{
    return std::min(a, b) <= value && value <= std::max(a, b);
}

} // namespace

// The point must lie in the line's box widened by the margin, then near the
// line point of the same x or of the same y. A division by zero (a vertical
// or horizontal line) makes its test fail, leaving the other one; a line of
// zero length is never hit.
bool Line::HitTest(const FPoint& p, const Rect&) const
{
    const float x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    if (p.x < std::min(x0, x1) - kLineMargin || p.x > std::max(x0, x1) + kLineMargin ||
        p.y < std::min(y0, y1) - kLineMargin || p.y > std::max(y0, y1) + kLineMargin)
        return false;
    auto nearLinePointAt = [&](float t) {
        const float dx = p.x - (x0 + t * (x1 - x0));
        const float dy = p.y - (y0 + t * (y1 - y0));
        return dx * dx + dy * dy < kLineDistanceSquared;
    };
    return nearLinePointAt((p.x - x0) / (x1 - x0)) || nearLinePointAt((p.y - y0) / (y1 - y0));
}

void Line::Straighten()
{
    if (std::fabs(from.x - to.x) < kStraightenLimit)
        to.x = from.x;
    if (std::fabs(from.y - to.y) < kStraightenLimit)
        to.y = from.y;
}

// Inside the ellipse or just outside it; the inside of an unfilled ellipse counts.
bool Circle::HitTest(const FPoint& p, const Rect&) const
{
    const float cx = (from.x + to.x) / 2, cy = (from.y + to.y) / 2;
    const float a = (to.x - from.x) / 2, b = (to.y - from.y) / 2;
    const float dx = p.x - cx, dy = p.y - cy;
    const float a2 = a * a, b2 = b * b;
    const float g = (dx * dx * b2 + dy * dy * a2 - a2 * b2) / (a2 * b2);
    return g < kEllipseTolerance;
}

bool Square::HitTest(const FPoint& p, const Rect&) const
{
    return Between(p.x, from.x, to.x) && Between(p.y, from.y, to.y);
}

} // namespace vantrel
