#pragma once

#include "platform/surface.h"

namespace vantrel {

// Passes a figure on to another surface without its labels: texts longer
// than two characters (names, numbers, captions) are left out, symbols such
// as "==" or ">" stay. Small pictures of elements use it, where a label
// would only be a smudge.
class SymbolSurface final : public Surface
{
public:
    explicit SymbolSurface(Surface& target) : target_(target) {}

    Pen SelectPen(const Pen& pen) override { return target_.SelectPen(pen); }
    Brush SelectBrush(const Brush& brush) override { return target_.SelectBrush(brush); }
    Colour SetTextColor(Colour colour) override { return target_.SetTextColor(colour); }
    Colour SetBkColor(Colour colour) override { return target_.SetBkColor(colour); }
    BackgroundMode SetBkMode(BackgroundMode mode) override { return target_.SetBkMode(mode); }
    ArcDirection SetArcDirection(ArcDirection direction) override
    {
        return target_.SetArcDirection(direction);
    }
    Point MoveToEx(int x, int y) override { return target_.MoveToEx(x, y); }
    void LineTo(int x, int y) override { target_.LineTo(x, y); }
    void Polyline(std::span<const Point> points) override { target_.Polyline(points); }
    void Polygon(std::span<const Point> points) override { target_.Polygon(points); }
    void Rectangle(int left, int top, int right, int bottom) override
    {
        target_.Rectangle(left, top, right, bottom);
    }
    void Ellipse(int left, int top, int right, int bottom) override
    {
        target_.Ellipse(left, top, right, bottom);
    }
    void Arc(const Rect& box, Point start, Point end) override { target_.Arc(box, start, end); }
    void Chord(const Rect& box, Point start, Point end) override { target_.Chord(box, start, end); }
    void AngleArc(int centreX, int centreY, int radius, float startDegrees,
                  float sweepDegrees) override
    {
        target_.AngleArc(centreX, centreY, radius, startDegrees, sweepDegrees);
    }
    void FillRect(const Rect& rect, Colour colour) override { target_.FillRect(rect, colour); }
    void TextOutW(int x, int y, const std::u16string& text) override
    {
        if (text.size() <= 2)
            target_.TextOutW(x, y, text);
    }
    Size GetTextExtentPoint32W(const std::u16string& text) override
    {
        return text.size() <= 2 ? target_.GetTextExtentPoint32W(text) : Size{};
    }
    void StretchImage(const Image& image, const Rect& dest) override
    {
        target_.StretchImage(image, dest);
    }

private:
    Surface& target_;
};

} // namespace vantrel
