#pragma once

#include "graphics/surface.h"

namespace vantrel {

// A stand-in for the surface a picture is meant for that draws nothing on
// it and keeps the box around everything drawn (pen widths included), cut
// to a clip box (a line counts only with the part that crosses it): how much room the picture
// needs, and whether a part of it shows anything at all. Pens, brushes and modes are set on the
// target and text is measured there, as only the target knows its font.
class InkBounds final : public Surface
{
public:
    InkBounds(Surface& target, const Rect& clip);

    // The box around the ink inside the clip; empty when nothing was drawn.
    const Rect& Bounds() const { return bounds_; }

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
    // Adds a box as it is, or grown by the pen's reach for a stroked figure.
    void Add(const Rect& box);
    void AddStroked(Rect box);
    void AddLine(Point from, Point to);
    void AddPoints(std::span<const Point> points);

    Surface& target_;
    Rect clip_;
    Rect bounds_;
    int penWidth_ = 1;
    Point position_;
};

} // namespace vantrel
