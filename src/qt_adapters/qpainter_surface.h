#pragma once

#include "graphics/surface_rules.h"

#include <QBrush>
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
//   DrawPolygon and DrawRectangle outlines, drawn edge by edge, ink every
//   corner once). DrawAngleArc inks the pixel where its line meets its arc.
// - Curves (DrawEllipse, DrawArc, DrawChord, the arc of DrawAngleArc) and all
//   lines of pens wider than 1 run through pixel centres, so an ellipse in
//   the box (l, t, r, b) inks columns l to r - 1 and rows t to b - 1, and a
//   wide pen is centred on the pixels a 1-pixel pen would ink. Wide solid
//   pens have round caps and joins like the device's geometric pens;
//   user-dash pens have flat caps so the on and off lengths hold along the
//   line.
// - Fills cover the pixels whose centres lie inside the figure (DrawPolygon:
//   odd-even rule); DrawRectangle, DrawEllipse, DrawArc and DrawChord boxes
//   are normalised (left < right, top < bottom) first, and an empty box draws
//   nothing.
// - DrawArc and DrawChord angles are taken from the box centre to the radial
//   points, scaled by the box's half sides (Qt's ellipse angles are
//   parametric), and rounded to 1/16 degree; equal angles give the whole
//   ellipse.
// - The Dash pen is 18 pixels on, 6 off; like the device's cosmetic pens it
//   draws solid when wider than 1. A user dash pattern that is empty or holds
//   a zero draws solid; an odd-length pattern repeats once to pair up.
// - Text uses the painter's current font and its metrics (ascent for the
//   top-left anchor, horizontal advance and height for the extent); the
//   opaque background fills exactly that extent.
// - DrawImageStretched scales smoothly (SmoothPixmapTransform) into the box.
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
    void UsePen(const QPen& pen);
    void UseBrush(const QBrush& brush);
    bool IsWidePen() const;
    void StrokeLines(std::span<const Point> points, bool closed);
    void StrokeAndFill(const QPainterPath& path, bool fill);
    void EllipticArc(const Rect& box, Point start, Point end, bool chord);

    QPainter& painter_;
    SurfaceState state_;
    QPen qpen_;     // state_.pen for Qt
    QBrush qbrush_; // state_.brush for Qt's own figures
    QPen textPen_;  // state_.textColour for Qt
};

} // namespace vantrel
