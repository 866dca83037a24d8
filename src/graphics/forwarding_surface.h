#pragma once

#include "graphics/surface.h"

namespace vantrel {

// Passes every call on to another surface: the base of surfaces that change
// a few calls on their way and leave the rest as they are.
class ForwardingSurface : public Surface
{
public:
    explicit ForwardingSurface(Surface& target) : target_(target) {}

    Pen SetPen(const Pen& pen) override { return target_.SetPen(pen); }
    Brush SetBrush(const Brush& brush) override { return target_.SetBrush(brush); }
    Colour SetTextColour(Colour colour) override { return target_.SetTextColour(colour); }
    Colour SetTextBackground(Colour colour) override { return target_.SetTextBackground(colour); }
    BackgroundMode SetBackgroundMode(BackgroundMode mode) override
    {
        return target_.SetBackgroundMode(mode);
    }
    ArcDirection SetArcDirection(ArcDirection direction) override
    {
        return target_.SetArcDirection(direction);
    }
    Point MoveTo(int x, int y) override { return target_.MoveTo(x, y); }
    void LineTo(int x, int y) override { target_.LineTo(x, y); }
    void DrawPolyline(std::span<const Point> points) override { target_.DrawPolyline(points); }
    void DrawPolygon(std::span<const Point> points) override { target_.DrawPolygon(points); }
    void DrawRectangle(int left, int top, int right, int bottom) override
    {
        target_.DrawRectangle(left, top, right, bottom);
    }
    void DrawEllipse(int left, int top, int right, int bottom) override
    {
        target_.DrawEllipse(left, top, right, bottom);
    }
    void DrawArc(const Rect& box, Point start, Point end) override
    {
        target_.DrawArc(box, start, end);
    }
    void DrawChord(const Rect& box, Point start, Point end) override
    {
        target_.DrawChord(box, start, end);
    }
    void DrawAngleArc(int centreX, int centreY, int radius, float startDegrees,
                      float sweepDegrees) override
    {
        target_.DrawAngleArc(centreX, centreY, radius, startDegrees, sweepDegrees);
    }
    void FillRectangle(const Rect& rect, Colour colour) override
    {
        target_.FillRectangle(rect, colour);
    }
    void DrawText(int x, int y, const std::u16string& text) override
    {
        target_.DrawText(x, y, text);
    }
    Size TextExtent(const std::u16string& text) override { return target_.TextExtent(text); }
    void DrawImageStretched(const Image& image, const Rect& dest) override
    {
        target_.DrawImageStretched(image, dest);
    }

protected:
    Surface& Target() { return target_; }

private:
    Surface& target_;
};

} // namespace vantrel
