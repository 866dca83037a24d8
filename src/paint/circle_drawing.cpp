#include "paint/paint_drawing.h"
#include "paint/shapes.h"

#include <cmath>

namespace vantrel {

namespace {

// One full turn as the controller's display counts it.
constexpr double kTurn = 6.2856;
// The seven dashes of a moving ellipse: each a third of the spacing kTurn / 7.
constexpr int kMovingDashes = 7;
constexpr double kDashAngle = 0.2993142857142857;
constexpr double kDashSpacing = 0.8979428571428572;

// The ellipse inscribed in the rectangle `from`-`to` in normalized
// coordinates: centre c and signed half-axes a and b, so that the point at
// angle phi is c + (a cos phi, b sin phi).
struct EllipseAxes
{
    explicit EllipseAxes(const PaintStuff& object)
        : centre((object.from.x + object.to.x) / 2, (object.from.y + object.to.y) / 2),
          a((object.to.x - object.from.x) / 2), b((object.to.y - object.from.y) / 2)
    {}

    Point At(double angle, const Rect& client) const
    {
        return FPoint(centre.x + a * float(std::cos(angle)), centre.y + b * float(std::sin(angle)))
            .ToDevice(client);
    }

    // The direction in which the angle grows on the page, which arcs follow
    // so that each runs the short way from its start angle to its end angle
    // (a dash is a short piece, not the rest of the ring). Device y grows
    // downwards, so with both axes positive the angle grows clockwise; one
    // negative axis (a zero counting as positive) mirrors the figure.
    ArcDirection Direction() const
    {
        return (a >= 0) == (b >= 0) ? ArcDirection::Clockwise : ArcDirection::CounterClockwise;
    }

    FPoint centre;
    float a;
    float b;
};

Rect BoxOf(const PaintStuff& object, const Rect& client)
{
    const Point a = object.from.ToDevice(client);
    const Point b = object.to.ToDevice(client);
    return {a.x, a.y, b.x, b.y};
}

void DrawEllipse(Surface& surface, const Rect& box)
{
    surface.DrawEllipse(box.left, box.top, box.right, box.bottom);
}

// A selected "Moving" ellipse: the ellipse in the normal colour under seven
// dashes of the state colour that turn backwards by one dash per tick.
void DrawMovingEllipse(const Circle& circle, Surface& surface, const Rect& client, int state,
                       int tick)
{
    const Rect box = BoxOf(circle, client);
    const EllipseAxes axes(circle);
    PenScope pen(surface);
    pen.Select(PenOf(circle, circle.StateColor(0, 0)));
    DrawEllipse(surface, box);
    pen.Select(PenOf(circle, circle.StateColor(state, 0)));
    const ArcDirection previous = surface.SetArcDirection(axes.Direction());
    double angle = -TickPhase(tick) * kDashAngle;
    for (int dash = 0; dash < kMovingDashes; ++dash) {
        surface.DrawArc(box, axes.At(angle, client), axes.At(angle + kDashAngle, client));
        angle += kDashSpacing;
    }
    surface.SetArcDirection(previous);
}

// The progress display over the ellipse: all of it at the maximum, none at
// 0, else an arc from the point below the centre to the reached angle.
void DrawEllipseProgress(const Circle& circle, Surface& surface, const Rect& client, int progress)
{
    const Rect box = BoxOf(circle, client);
    if (progress >= circle.progressMax) {
        DrawEllipse(surface, box);
        return;
    }
    if (progress == 0)
        return;
    const EllipseAxes axes(circle);
    const Point start = FPoint(axes.centre.x, axes.centre.y + axes.b).ToDevice(client);
    const Point end = axes.At(progress * kTurn / circle.progressMax, client);
    const ArcDirection previous = surface.SetArcDirection(axes.Direction());
    surface.DrawArc(box, start, end);
    surface.SetArcDirection(previous);
}

} // namespace

void Circle::Draw(Surface& surface, const Rect& client, int state, int tick, int progress) const
{
    if (state != 0 && style == kMoving) {
        DrawMovingEllipse(*this, surface, client, state, tick);
        return;
    }
    if (IsHiddenStyle(*this, state))
        return;
    PenScope pen(surface);
    pen.Select(PenOf(*this, StateColor(state, tick)));
    DrawEllipse(surface, BoxOf(*this, client));
    if (!ShowsProgress(*this))
        return;
    pen.Select(PenOf(*this, progressColor));
    DrawEllipseProgress(*this, surface, client, progress);
}

void FilledCircle::Draw(Surface& surface, const Rect& client, int state, int tick,
                        int progress) const
{
    const Brush previous = surface.SetBrush(Brush::Solid(FillStateColor(state, tick)));
    Circle::Draw(surface, client, state, tick, progress);
    surface.SetBrush(previous);
}

} // namespace vantrel
