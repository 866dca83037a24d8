#pragma once

// A drawing surface for tests that records every call as one line of text,
// so a figure can be pinned call by call:
//
//   RecordingSurface surface;
//   element.DrawBody(surface, ...);
//   EXPECT_EQ(surface.Calls(), (std::vector<std::string>{
//       "SelectPen(Solid,2,#000000)",
//       "Polygon(-20,-20 20,0 -20,20 -10,0)"}));
//
// Format of the lines (no spaces except where shown; numbers in decimal;
// colours as "#rrggbb", red first, lower-case, like the JSON export; text
// as UTF-8 between double quotes, not escaped):
//   SelectPen(Solid,<width>,<colour>)        SelectPen(Dash,1,#000000)
//   SelectPen(UserDash,<width>,<colour>,{<on>,<off>,...})
//   SelectBrush(Solid,<colour>)              SelectBrush(Hollow)
//   SetTextColor(<colour>)   SetBkColor(<colour>)
//   SetBkMode(Opaque|Transparent)   SetArcDirection(CounterClockwise|Clockwise)
//   MoveToEx(<x>,<y>)   LineTo(<x>,<y>)
//   Polyline(<x>,<y> <x>,<y> ...)   Polygon(<x>,<y> <x>,<y> ...)
//   Rectangle(<l>,<t>,<r>,<b>)   Ellipse(<l>,<t>,<r>,<b>)
//   Arc(<l>,<t>,<r>,<b>; <x>,<y> -> <x>,<y>)   Chord(... the same ...)
//   AngleArc(<cx>,<cy>,<radius>,<start>,<sweep>)   angles in the shortest
//                                                 form that reads back: 90, -22.5
//   FillRect(<l>,<t>,<r>,<b>,<colour>)
//   TextOutW(<x>,<y>,"<text>")   GetTextExtentPoint32W("<text>")
//   StretchImage(<width>x<height> -> <l>,<t>,<r>,<b>)
//
// The surface keeps the state a real one keeps (pen, brush, colours, modes,
// current position) so that Select and Set return the previous value,
// MoveToEx the previous position, and LineTo and AngleArc move the position
// (AngleArc to its rounded end point, as the Qt surface does, unless the
// radius is negative). Text has a fixed fake extent: kCharWidth pixels per
// UTF-16 unit wide, kTextHeight high.

#include "platform/surface_rules.h"

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

    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    Colour SetTextColor(Colour colour) override;
    Colour SetBkColor(Colour colour) override;
    BackgroundMode SetBkMode(BackgroundMode mode) override;
    ArcDirection SetArcDirection(ArcDirection direction) override;

    Point MoveToEx(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(const Rect& box, Point start, Point end) override;
    void Chord(const Rect& box, Point start, Point end) override;
    void AngleArc(int centreX, int centreY, int radius, float startDegrees,
                  float sweepDegrees) override;
    void FillRect(const Rect& rect, Colour colour) override;
    void TextOutW(int x, int y, const std::u16string& text) override;
    Size GetTextExtentPoint32W(const std::u16string& text) override;
    void StretchImage(const Image& image, const Rect& dest) override;

private:
    void Record(std::string call) { calls_.push_back(std::move(call)); }

    std::vector<std::string> calls_;
    SurfaceState state_;
};

} // namespace vantrel::test
