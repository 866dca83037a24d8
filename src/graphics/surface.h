#pragma once

#include "graphics/colour.h"
#include "graphics/geometry.h"
#include "graphics/image.h"

#include <span>
#include <string>
#include <vector>

namespace vantrel {

enum class PenStyle
{
    Solid,
    Dash,     // the rubber band's dashed pen (width 1)
    UserDash, // geometric pen with a user dash pattern (paint objects)
};

struct Pen
{
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = 0;
    // For UserDash: alternating on/off lengths in pixels, starting with "on".
    std::vector<unsigned> dashPattern;

    static Pen Solid(int width, Colour colour) { return {PenStyle::Solid, width, colour, {}}; }
    static Pen Dashed(Colour colour) { return {PenStyle::Dash, 1, colour, {}}; }
    static Pen UserDashed(int width, Colour colour, std::vector<unsigned> pattern)
    {
        return {PenStyle::UserDash, width, colour, std::move(pattern)};
    }
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush
{
    bool hollow = true;
    Colour colour = 0;

    static Brush Hollow() { return {true, 0}; }
    static Brush Solid(Colour colour) { return {false, colour}; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum class BackgroundMode
{
    Opaque,
    Transparent,
};

enum class ArcDirection
{
    CounterClockwise,
    Clockwise,
};

// The drawing surface every figure is drawn on: integer pixel coordinates and
// the edge rules of the classic device context:
// - DrawRectangle and DrawEllipse boxes exclude their right and bottom edge;
// - LineTo leaves out its last pixel and moves the current position;
// - DrawPolyline neither uses nor moves the current position;
// - DrawAngleArc first draws a line from the current position to the arc's
//   start, then the arc (degrees, counter-clockwise from the x axis, y
//   pointing down on screen), and leaves the current position at the arc's
//   end;
// - DrawArc and DrawChord run from the ray through the start point to the ray
//   through the end point in the current arc direction (counter-clockwise as
//   seen on screen by default);
// - DrawText anchors the text at its top-left corner.
// A new surface has a black solid pen of width 1, a white solid brush, black
// text on an opaque white background, the current position at (0, 0) and the
// counter-clockwise arc direction.
class Surface
{
public:
    virtual ~Surface() = default;

    // Each Set returns the previous value so the caller can restore it.
    virtual Pen SetPen(const Pen& pen) = 0;
    virtual Brush SetBrush(const Brush& brush) = 0;
    virtual Colour SetTextColour(Colour colour) = 0;
    virtual Colour SetTextBackground(Colour colour) = 0;
    virtual BackgroundMode SetBackgroundMode(BackgroundMode mode) = 0;
    virtual ArcDirection SetArcDirection(ArcDirection direction) = 0;

    // Returns the previous current position.
    virtual Point MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void DrawPolyline(std::span<const Point> points) = 0;
    virtual void DrawPolygon(std::span<const Point> points) = 0;
    virtual void DrawRectangle(int left, int top, int right, int bottom) = 0;
    virtual void DrawEllipse(int left, int top, int right, int bottom) = 0;
    virtual void DrawArc(const Rect& box, Point start, Point end) = 0;
    virtual void DrawChord(const Rect& box, Point start, Point end) = 0;
    virtual void DrawAngleArc(int centreX, int centreY, int radius, float startDegrees,
                              float sweepDegrees) = 0;
    // Fills without a border; an empty rectangle fills nothing.
    virtual void FillRectangle(const Rect& rect, Colour colour) = 0;
    virtual void DrawText(int x, int y, const std::u16string& text) = 0;
    virtual Size TextExtent(const std::u16string& text) = 0;
    // Stretches the whole image into dest with smooth scaling.
    virtual void DrawImageStretched(const Image& image, const Rect& dest) = 0;
};

} // namespace vantrel
