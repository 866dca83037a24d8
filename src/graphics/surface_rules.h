#pragma once

// Rules of the drawing surface that every Surface implementation applies the
// same way (the Qt surface and the recording surface of the tests), so that
// a figure pinned on one holds on the other: the state of a new surface and
// where DrawAngleArc leaves the current position.

#include "graphics/surface.h"

#include <cmath>
#include <numbers>

namespace vantrel {

// The state a surface keeps between calls, holding the defaults of a new
// surface (see Surface).
struct SurfaceState
{
    Pen pen = Pen::Solid(1, 0);
    Brush brush = Brush::Solid(0xFFFFFF);
    Colour textColour = 0;
    Colour textBackground = 0xFFFFFF;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    ArcDirection arcDirection = ArcDirection::CounterClockwise;
    Point position;
};

// A point on the circle of DrawAngleArc: degrees counter-clockwise from the x
// axis as seen on screen (y points down).
inline double CircleX(int centreX, int radius, double degrees)
{
    return centreX + radius * std::cos(degrees * std::numbers::pi / 180.0);
}
inline double CircleY(int centreY, int radius, double degrees)
{
    return centreY - radius * std::sin(degrees * std::numbers::pi / 180.0);
}

// Where DrawAngleArc leaves the current position: the end of the arc, rounded to
// the nearest pixel.
inline Point AngleArcEnd(int centreX, int centreY, int radius, float startDegrees,
                         float sweepDegrees)
{
    const double end = double(startDegrees) + double(sweepDegrees);
    return {int(std::lround(CircleX(centreX, radius, end))),
            int(std::lround(CircleY(centreY, radius, end)))};
}

} // namespace vantrel
