#pragma once

// A drawing surface for tests that records every call as one line of text,
// so a figure can be pinned call by call:
//
//   RecordingSurface surface;
//   element.DrawBody(surface, ...);
//   EXPECT_EQ(surface.Calls(), (std::vector<std::string>{
//       "SetPen(Solid,2,#000000)",
//       "DrawPolygon(-20,-20 20,0 -20,20 -10,0)"}));
//
// Format of the lines (no spaces except where shown; numbers in decimal;
// colours as "#rrggbb", red first, lower-case, like the JSON export; text
// as UTF-8 between double quotes, not escaped):
//   SetPen(Solid,<width>,<colour>)        SetPen(Dash,1,#000000)
//   SetPen(UserDash,<width>,<colour>,{<on>,<off>,...})
//   SetBrush(Solid,<colour>)              SetBrush(Hollow)
//   SetTextColour(<colour>)   SetTextBackground(<colour>)
//   SetBackgroundMode(Opaque|Transparent)   SetArcDirection(CounterClockwise|Clockwise)
//   MoveTo(<x>,<y>)   LineTo(<x>,<y>)
//   DrawPolyline(<x>,<y> <x>,<y> ...)   DrawPolygon(<x>,<y> <x>,<y> ...)
//   DrawRectangle(<l>,<t>,<r>,<b>)   DrawEllipse(<l>,<t>,<r>,<b>)
//   DrawArc(<l>,<t>,<r>,<b>; <x>,<y> -> <x>,<y>)   DrawChord(... the same ...)
//   DrawAngleArc(<cx>,<cy>,<radius>,<start>,<sweep>)   angles in the shortest
//                                                     form that reads back: 90, -22.5
//   FillRectangle(<l>,<t>,<r>,<b>,<colour>)
//   DrawText(<x>,<y>,"<text>")   TextExtent("<text>")
//   DrawImageStretched(<width>x<height> -> <l>,<t>,<r>,<b>)
//
// The surface keeps the state a real one keeps (pen, brush, colours, modes,
// current position) so that the Set calls return the previous value, MoveTo
// the previous position, and LineTo and DrawAngleArc move the position
// (DrawAngleArc to its rounded end point, as the Qt surface does, unless the
// radius is negative). Text has a fixed fake extent: kCharWidth pixels per
// UTF-16 unit wide, kTextHeight high.

#include "graphics/surface_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

class RecordingSurface final : public Surface
{
public:
    static constexpr int kCharWidth = 8;
    static constexpr int kTextHeight = 16;

    // Every call so far, in order.
    const std::vector<std::string>& Calls() const { return calls_; }
    // Only the calls of one operation, e.g. Calls("LineTo").
    std::vector<std::string> Calls(std::string_view operation) const;
    void Clear() { calls_.clear(); }

    // The current pen, brush, colours, modes and position.
    const SurfaceState& State() const { return state_; }

    Pen SetPen(const Pen& pen) override;
    Brush SetBrush(const Brush& brush) override;
    Colour SetTextColour(Colour colour) override;
    Colour SetTextBackground(Colour colour) override;
    BackgroundMode SetBackgroundMode(BackgroundMode mode) override;
    ArcDirection SetArcDirection(ArcDirection direction) override;

    Point MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawPolyline(std::span<const Point> points) override;
    void DrawPolygon(std::span<const Point> points) override;
    void DrawRectangle(int left, int top, int right, int bottom) override;
    void DrawEllipse(int left, int top, int right, int bottom) override;
    void DrawArc(const Rect& box, Point start, Point end) override;
    void DrawChord(const Rect& box, Point start, Point end) override;
    void DrawAngleArc(int centreX, int centreY, int radius, float startDegrees,
                      float sweepDegrees) override;
    void FillRectangle(const Rect& rect, Colour colour) override;
    void DrawText(int x, int y, const std::u16string& text) override;
    Size TextExtent(const std::u16string& text) override;
    void DrawImageStretched(const Image& image, const Rect& dest) override;

private:
    void Record(std::string call) { calls_.push_back(std::move(call)); }

    std::vector<std::string> calls_;
    SurfaceState state_;
};

} // namespace vantrel::test
