#include "qt_adapters/qpainter_surface.h"

#include "qt_adapters/qt_arc_angles.h"
#include "qt_adapters/qt_image.h"
#include "qt_adapters/qt_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace vantrel {

namespace {

QColor ToQColor(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// The centre of pixel p: where curves and wide pens run.
QPointF PixelCentre(double x, double y)
{
    return {x + 0.5, y + 0.5};
}

bool IsUsableDashPattern(const std::vector<unsigned>& pattern)
{
    return !pattern.empty() && std::find(pattern.begin(), pattern.end(), 0u) == pattern.end();
}

QPen ToQPen(const Pen& pen)
{
    const int width = std::max(pen.width, 0);
    QPen qpen(ToQColor(pen.colour), width);
    if (width <= 1) {
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setJoinStyle(Qt::MiterJoin);
    } else {
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    if (pen.style == PenStyle::Dash && width <= 1) {
        qpen.setDashPattern({18, 6});
    } else if (pen.style == PenStyle::UserDash && IsUsableDashPattern(pen.dashPattern)) {
        // Qt measures dashes in pen widths, the device in pixels.
        const double unit = std::max(width, 1);
        QList<qreal> dashes;
        for (unsigned length : pen.dashPattern)
            dashes.append(length / unit);
        if (dashes.size() % 2 != 0)
            dashes.append(QList<qreal>(dashes));
        qpen.setDashPattern(dashes);
        qpen.setCapStyle(Qt::FlatCap);
    }
    return qpen;
}

QBrush ToQBrush(const Brush& brush)
{
    return brush.hollow ? QBrush() : QBrush(ToQColor(brush.colour));
}

// A 1-pixel line from a to b with its first pixel in and its last pixel out,
// each pixel the one nearest to the ideal line between the pixel centres of
// a and b (the classic line algorithm).
//
// How Qt's aliased 1-pixel stroker picks pixels: along the major axis (x
// when |dx| >= |dy|) it inks the steps [round(min), round(max)) whichever way
// the line runs; across, it takes floor() of the line sampled at the step's
// middle when the line rises along the major axis and at its start when it
// falls. The line handed to Qt is therefore the ideal line moved so that
// floor() lands on the nearest pixel, cut at a and b on the major axis, or
// one step further on when it runs backwards. Each line must be drawn by a
// call of its own (drawLine, not drawLines or a path of many lines), as the
// stroker's joining of connected segments would add or move pixels. a and b
// must differ.
QLineF HalfOpenLine(Point a, Point b)
{
    const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    // Major and minor coordinates of a and b.
    const int a0 = xMajor ? a.x : a.y;
    const int a1 = xMajor ? a.y : a.x;
    const int b0 = xMajor ? b.x : b.y;
    const int b1 = xMajor ? b.y : b.x;
    const double slope = double(b1 - a1) / double(b0 - a0);
    const double sampleOffset = slope > 0 ? 0.5 : 0.0;
    const int shift = b0 < a0 ? 1 : 0;
    const auto minorAt = [&](double major) {
        return a1 + 0.5 + (major - a0 - sampleOffset) * slope;
    };
    const auto point = [&](double major) {
        return xMajor ? QPointF(major, minorAt(major)) : QPointF(minorAt(major), major);
    };
    return {point(a0 + shift), point(b0 + shift)};
}

// Normalised box; empty when it has no width or no height.
Rect NormalBox(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

} // namespace

QPainterSurface::QPainterSurface(QPainter& painter)
    : painter_(painter), qpen_(ToQPen(state_.pen)), qbrush_(ToQBrush(state_.brush)),
      textPen_(ToQColor(state_.textColour))
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QPainterSurface::~QPainterSurface()
{
    painter_.restore();
}

Pen QPainterSurface::SetPen(const Pen& pen)
{
    // Drawing code sets the same pen over and over; a QPen costs an allocation.
    if (pen != state_.pen)
        qpen_ = ToQPen(pen);
    return std::exchange(state_.pen, pen);
}

Brush QPainterSurface::SetBrush(const Brush& brush)
{
    if (brush != state_.brush)
        qbrush_ = ToQBrush(brush);
    return std::exchange(state_.brush, brush);
}

Colour QPainterSurface::SetTextColour(Colour colour)
{
    if (colour != state_.textColour)
        textPen_ = QPen(ToQColor(colour));
    return std::exchange(state_.textColour, colour);
}

Colour QPainterSurface::SetTextBackground(Colour colour)
{
    return std::exchange(state_.textBackground, colour);
}

BackgroundMode QPainterSurface::SetBackgroundMode(BackgroundMode mode)
{
    return std::exchange(state_.backgroundMode, mode);
}

ArcDirection QPainterSurface::SetArcDirection(ArcDirection direction)
{
    return std::exchange(state_.arcDirection, direction);
}

Point QPainterSurface::MoveTo(int x, int y)
{
    return std::exchange(state_.position, Point{x, y});
}

void QPainterSurface::UsePen(const QPen& pen)
{
    // Handing QPainter a pen makes it rebuild its stroking state even when
    // the pen is the same, and a frame strokes thousands of lines.
    if (painter_.pen() != pen)
        painter_.setPen(pen);
}

void QPainterSurface::UseBrush(const QBrush& brush)
{
    if (painter_.brush() != brush)
        painter_.setBrush(brush);
}

bool QPainterSurface::IsWidePen() const
{
    return state_.pen.width > 1;
}

void QPainterSurface::StrokeLines(std::span<const Point> points, bool closed)
{
    if (points.size() < 2)
        return;
    if (IsWidePen()) {
        QPainterPath path;
        path.moveTo(PixelCentre(points[0].x, points[0].y));
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(PixelCentre(points[i].x, points[i].y));
        if (closed)
            path.closeSubpath();
        painter_.strokePath(path, qpen_);
        return;
    }
    UsePen(qpen_);
    const auto draw = [this](Point a, Point b) {
        if (a != b)
            painter_.drawLine(HalfOpenLine(a, b));
    };
    for (std::size_t i = 1; i < points.size(); ++i)
        draw(points[i - 1], points[i]);
    if (closed)
        draw(points.back(), points.front());
}

void QPainterSurface::StrokeAndFill(const QPainterPath& path, bool fill)
{
    if (fill && !state_.brush.hollow)
        painter_.fillPath(path, ToQColor(state_.brush.colour));
    painter_.strokePath(path, qpen_);
}

void QPainterSurface::LineTo(int x, int y)
{
    const Point line[] = {state_.position, {x, y}};
    StrokeLines(line, false);
    state_.position = {x, y};
}

void QPainterSurface::DrawPolyline(std::span<const Point> points)
{
    StrokeLines(points, false);
}

void QPainterSurface::DrawPolygon(std::span<const Point> points)
{
    if (points.size() < 2)
        return;
    if (!state_.brush.hollow) {
        QPainterPath area;
        area.setFillRule(Qt::OddEvenFill);
        area.moveTo(PixelCentre(points[0].x, points[0].y));
        for (std::size_t i = 1; i < points.size(); ++i)
            area.lineTo(PixelCentre(points[i].x, points[i].y));
        area.closeSubpath();
        painter_.fillPath(area, ToQColor(state_.brush.colour));
    }
    StrokeLines(points, true);
}

void QPainterSurface::DrawRectangle(int left, int top, int right, int bottom)
{
    const Rect box = NormalBox(left, top, right, bottom);
    if (box.IsEmpty())
        return;
    // The pen's path runs through the box's first and last pixels; the brush
    // fills what lies inside it.
    if (!state_.brush.hollow && box.Width() > 1 && box.Height() > 1)
        painter_.fillRect(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1),
                          ToQColor(state_.brush.colour));
    const Point corners[] = {{box.left, box.top},
                             {box.right - 1, box.top},
                             {box.right - 1, box.bottom - 1},
                             {box.left, box.bottom - 1}};
    StrokeLines(corners, true);
}

void QPainterSurface::DrawEllipse(int left, int top, int right, int bottom)
{
    const Rect box = NormalBox(left, top, right, bottom);
    if (box.IsEmpty())
        return;
    if (!IsWidePen()) {
        // QPainter's own ellipse inks the same pixels as the path below for
        // 1-pixel pens without building a path of its own.
        UsePen(qpen_);
        UseBrush(qbrush_);
        painter_.drawEllipse(EllipseRect(box));
        return;
    }
    QPainterPath path;
    path.addEllipse(EllipseRect(box));
    StrokeAndFill(path, true);
}

void QPainterSurface::EllipticArc(const Rect& givenBox, Point start, Point end, bool chord)
{
    const Rect box = NormalBox(givenBox.left, givenBox.top, givenBox.right, givenBox.bottom);
    if (box.IsEmpty())
        return;
    const int start16 = RayAngle16(box, start);
    const int span16 = ArcSpan16(start16, RayAngle16(box, end), state_.arcDirection);
    const QRectF ellipse = EllipseRect(box);
    if (!IsWidePen()) {
        // The same curve as the path below (QPainter builds it alike), filled
        // and stroked in one pass.
        UsePen(qpen_);
        if (chord) {
            UseBrush(qbrush_);
            painter_.drawChord(ellipse, start16, span16);
        } else {
            painter_.drawArc(ellipse, start16, span16);
        }
        return;
    }
    QPainterPath path;
    path.arcMoveTo(ellipse, start16 / 16.0);
    path.arcTo(ellipse, start16 / 16.0, span16 / 16.0);
    if (chord)
        path.closeSubpath();
    StrokeAndFill(path, chord);
}

void QPainterSurface::DrawArc(const Rect& box, Point start, Point end)
{
    EllipticArc(box, start, end, false);
}

void QPainterSurface::DrawChord(const Rect& box, Point start, Point end)
{
    EllipticArc(box, start, end, true);
}

void QPainterSurface::DrawAngleArc(int centreX, int centreY, int radius, float startDegrees,
                                   float sweepDegrees)
{
    if (radius < 0)
        return;
    const double startX = CircleX(centreX, radius, startDegrees);
    const double startY = CircleY(centreY, radius, startDegrees);
    const QRectF circle(centreX + 0.5 - radius, centreY + 0.5 - radius, 2.0 * radius, 2.0 * radius);
    QPainterPath path;
    if (IsWidePen()) {
        path.moveTo(PixelCentre(state_.position.x, state_.position.y));
        path.lineTo(PixelCentre(startX, startY));
    } else {
        const Point arcStart{int(std::lround(startX)), int(std::lround(startY))};
        const Point line[] = {state_.position, arcStart};
        StrokeLines(line, false);
        // The line leaves out the arc's start, and the arc leaves it out too
        // when it starts downwards or to the left (Qt's stroker, see
        // HalfOpenLine): ink it once for both. (A point at integer
        // coordinates inks that pixel.)
        UsePen(qpen_);
        painter_.drawPoint(QPoint(arcStart.x, arcStart.y));
        path.arcMoveTo(circle, startDegrees);
    }
    path.arcTo(circle, startDegrees, sweepDegrees);
    painter_.strokePath(path, qpen_);
    state_.position = AngleArcEnd(centreX, centreY, radius, startDegrees, sweepDegrees);
}

void QPainterSurface::FillRectangle(const Rect& rect, Colour colour)
{
    if (rect.IsEmpty())
        return;
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void QPainterSurface::DrawText(int x, int y, const std::u16string& text)
{
    if (text.empty())
        return;
    const QString string = ToQString(text);
    const QFontMetrics metrics = painter_.fontMetrics();
    if (state_.backgroundMode == BackgroundMode::Opaque)
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                          ToQColor(state_.textBackground));
    UsePen(textPen_);
    painter_.drawText(QPointF(x, y + metrics.ascent()), string);
}

Size QPainterSurface::TextExtent(const std::u16string& text)
{
    const QFontMetrics metrics = painter_.fontMetrics();
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QPainterSurface::DrawImageStretched(const Image& image, const Rect& dest)
{
    const QImage source = WrapAsQImage(image);
    if (source.isNull() || dest.IsEmpty())
        return;
    const bool smooth = painter_.testRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(QRect(dest.left, dest.top, dest.Width(), dest.Height()), source);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

} // namespace vantrel
