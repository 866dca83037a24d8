#include "editing/ink_bounds.h"

#include "graphics/surface_rules.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vantrel {

namespace {

Rect Normalised(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

} // namespace

InkBounds::InkBounds(Surface& target, const Rect& clip) : target_(target), clip_(clip) {}

Pen InkBounds::SetPen(const Pen& pen)
{
    penWidth_ = pen.width;
    return target_.SetPen(pen);
}

Brush InkBounds::SetBrush(const Brush& brush)
{
    return target_.SetBrush(brush);
}

Colour InkBounds::SetTextColour(Colour colour)
{
    return target_.SetTextColour(colour);
}

Colour InkBounds::SetTextBackground(Colour colour)
{
    return target_.SetTextBackground(colour);
}

BackgroundMode InkBounds::SetBackgroundMode(BackgroundMode mode)
{
    return target_.SetBackgroundMode(mode);
}

ArcDirection InkBounds::SetArcDirection(ArcDirection direction)
{
    return target_.SetArcDirection(direction);
}

Point InkBounds::MoveTo(int x, int y)
{
    return std::exchange(position_, Point{x, y});
}

void InkBounds::LineTo(int x, int y)
{
    AddLine(std::exchange(position_, Point{x, y}), {x, y});
}

void InkBounds::DrawPolyline(std::span<const Point> points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        AddLine(points[i - 1], points[i]);
}

void InkBounds::DrawPolygon(std::span<const Point> points)
{
    AddPoints(points);
}

void InkBounds::DrawRectangle(int left, int top, int right, int bottom)
{
    AddStroked(Normalised(left, top, right, bottom));
}

void InkBounds::DrawEllipse(int left, int top, int right, int bottom)
{
    AddStroked(Normalised(left, top, right, bottom));
}

// The whole ellipse stands for its arcs and chords: a little more room than
// they need, never less.
void InkBounds::DrawArc(const Rect& box, Point, Point)
{
    AddStroked(Normalised(box.left, box.top, box.right, box.bottom));
}

void InkBounds::DrawChord(const Rect& box, Point, Point)
{
    AddStroked(Normalised(box.left, box.top, box.right, box.bottom));
}

void InkBounds::DrawAngleArc(int centreX, int centreY, int radius, float startDegrees,
                             float sweepDegrees)
{
    const Point from = position_;
    AddStroked(Normalised(from.x, from.y, from.x, from.y));
    AddStroked(Normalised(centreX - radius, centreY - radius, centreX + radius, centreY + radius));
    position_ = AngleArcEnd(centreX, centreY, radius, startDegrees, sweepDegrees);
}

void InkBounds::FillRectangle(const Rect& rect, Colour)
{
    Add(rect);
}

void InkBounds::DrawText(int x, int y, const std::u16string& text)
{
    const Size extent = target_.TextExtent(text);
    Add({x, y, x + extent.width, y + extent.height});
}

Size InkBounds::TextExtent(const std::u16string& text)
{
    return target_.TextExtent(text);
}

void InkBounds::DrawImageStretched(const Image&, const Rect& dest)
{
    Add(dest);
}

void InkBounds::Add(const Rect& box)
{
    const Rect inside{std::max(box.left, clip_.left), std::max(box.top, clip_.top),
                      std::min(box.right, clip_.right), std::min(box.bottom, clip_.bottom)};
    if (inside.IsEmpty())
        return;
    if (bounds_.IsEmpty()) {
        bounds_ = inside;
        return;
    }
    bounds_ = {std::min(bounds_.left, inside.left), std::min(bounds_.top, inside.top),
               std::max(bounds_.right, inside.right), std::max(bounds_.bottom, inside.bottom)};
}

void InkBounds::AddStroked(Rect box)
{
    const int reach = std::max(penWidth_, 1);
    Add({box.left - reach, box.top - reach, box.right + reach, box.bottom + reach});
}

// Only the part of the line the pen takes into the clip counts: a long
// connection inks the clip only where it crosses it, not wherever its box
// lies. The line is cut to the clip grown by the pen's reach (Liang-Barsky).
void InkBounds::AddLine(Point from, Point to)
{
    const double reach = std::max(penWidth_, 1);
    const double dx = double(to.x) - from.x;
    const double dy = double(to.y) - from.y;
    double enter = 0;
    double leave = 1;
    // Keeps the part of the line where p * t <= q.
    auto keep = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!keep(-dx, from.x - (clip_.left - reach)) || !keep(dx, clip_.right + reach - from.x) ||
        !keep(-dy, from.y - (clip_.top - reach)) || !keep(dy, clip_.bottom + reach - from.y))
        return;
    const double x0 = from.x + enter * dx;
    const double x1 = from.x + leave * dx;
    const double y0 = from.y + enter * dy;
    const double y1 = from.y + leave * dy;
    AddStroked({int(std::floor(std::min(x0, x1))), int(std::floor(std::min(y0, y1))),
                int(std::ceil(std::max(x0, x1))), int(std::ceil(std::max(y0, y1)))});
}

void InkBounds::AddPoints(std::span<const Point> points)
{
    if (points.empty())
        return;
    Rect box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points)
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
               std::max(box.bottom, p.y)};
    AddStroked(box);
}

} // namespace vantrel
