#pragma once

#include "platform/surface_rules.h"

#include <QPen>

class QPainter;
class QPainterPath;

namespace vantrel {

// The drawing surface on a QPainter: screen, QImage and printer alike.
//
// Antialiasing is off so that pixels follow the classic device rules
// (Surface). How the rules map onto Qt's aliased rasteriser:
// - Coordinates address pixels: a 1-pixel pen at (x, y) inks pixel (x, y).
// - Pens of width 0 and 1 draw 1-pixel lines with flat caps; every straight
//   line is drawn half-open, its first pixel in and its last pixel out,
//   whatever its direction, each pixel the nearest to the ideal line (so
//   Polygon and Rectangle outlines, drawn edge by edge, ink every corner
//   once). AngleArc inks the pixel where its line meets its arc.
// - Curves (Ellipse, Arc, Chord, the arc of AngleArc) and all lines of pens
//   wider than 1 run through pixel centres, so an ellipse in the box (l, t,
//   r, b) inks columns l to r - 1 and rows t to b - 1, and a wide pen is
//   centred on the pixels a 1-pixel pen would ink. Wide solid pens have round
//   caps and joins like the device's geometric pens; user-dash pens have flat
//   caps so the on and off lengths hold along the line.
// - Fills cover the pixels whose centres lie inside the figure (Polygon:
//   alternate rule); Rectangle, Ellipse, Arc and Chord boxes are normalised
//   (left < right, top < bottom) first, and an empty box draws nothing.
// - Arc and Chord angles are taken from the box centre to the radial points,
//   scaled by the box's half sides (Qt's ellipse angles are parametric), and
//   rounded to 1/16 degree; equal angles give the whole ellipse.
// - The Dash pen is 18 pixels on, 6 off; like the device's cosmetic pens it
//   draws solid when wider than 1. A user dash pattern that is empty or holds
//   a zero draws solid; an odd-length pattern repeats once to pair up.
// - Text uses the painter's current font and its metrics (ascent for the
//   top-left anchor, horizontal advance and height for the extent); the
//   opaque background fills exactly that extent.
// - StretchImage scales smoothly (SmoothPixmapTransform) into the box.
//
// The surface saves the painter's state when it is made and restores it when
// it goes away; it does not own the painter.
class QPainterSurface final : public Surface
{
public:
    explicit QPainterSurface(QPainter& painter);
    ~QPainterSurface() override;
    QPainterSurface(const QPainterSurface&) = delete;
    QPainterSurface& operator=(const QPainterSurface&) = delete;

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
    bool IsWidePen() const;
    void StrokeLines(std::span<const Point> points, bool closed);
    void StrokeAndFill(const QPainterPath& path, bool fill);
    void EllipticArc(const Rect& box, Point start, Point end, bool chord);

    QPainter& painter_;
    SurfaceState state_;
    QPen qpen_; // state_.pen for Qt
};

} // namespace vantrel
