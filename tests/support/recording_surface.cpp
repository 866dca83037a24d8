#include "support/recording_surface.h"

#include "archive/text_codec.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace vantrel::test {

namespace {

std::string Xy(int x, int y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

std::string Xy(Point p)
{
    return Xy(p.x, p.y);
}

std::string Box(int left, int top, int right, int bottom)
{
    return Xy(left, top) + "," + Xy(right, bottom);
}

std::string Box(const Rect& r)
{
    return Box(r.left, r.top, r.right, r.bottom);
}

std::string Points(std::span<const Point> points)
{
    std::string text;
    for (const Point& p : points) {
        if (!text.empty())
            text += ' ';
        text += Xy(p);
    }
    return text;
}

std::string Number(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Quoted(const std::u16string& text)
{
    return '"' + ToUtf8(text) + '"';
}

std::string FormatPen(const Pen& pen)
{
    const std::string common = std::to_string(pen.width) + "," + HexColour(pen.colour);
    switch (pen.style) {
    case PenStyle::Solid:
        return "Solid," + common;
    case PenStyle::Dash:
        return "Dash," + common;
    case PenStyle::UserDash:
        break;
    }
    std::string pattern;
    for (unsigned length : pen.dashPattern)
        pattern += (pattern.empty() ? "" : ",") + std::to_string(length);
    return "UserDash," + common + ",{" + pattern + "}";
}

} // namespace

std::vector<std::string> RecordingSurface::Calls(std::string_view operation) const
{
    std::vector<std::string> selected;
    for (const std::string& call : calls_)
        if (call.size() > operation.size() && call.starts_with(operation) &&
            call[operation.size()] == '(')
            selected.push_back(call);
    return selected;
}

Pen RecordingSurface::SetPen(const Pen& pen)
{
    Record("SetPen(" + FormatPen(pen) + ")");
    return std::exchange(state_.pen, pen);
}

Brush RecordingSurface::SetBrush(const Brush& brush)
{
    Record(brush.hollow ? "SetBrush(Hollow)" : "SetBrush(Solid," + HexColour(brush.colour) + ")");
    return std::exchange(state_.brush, brush);
}

Colour RecordingSurface::SetTextColour(Colour colour)
{
    Record("SetTextColour(" + HexColour(colour) + ")");
    return std::exchange(state_.textColour, colour);
}

Colour RecordingSurface::SetTextBackground(Colour colour)
{
    Record("SetTextBackground(" + HexColour(colour) + ")");
    return std::exchange(state_.textBackground, colour);
}

BackgroundMode RecordingSurface::SetBackgroundMode(BackgroundMode mode)
{
    Record(mode == BackgroundMode::Opaque ? "SetBackgroundMode(Opaque)"
                                          : "SetBackgroundMode(Transparent)");
    return std::exchange(state_.backgroundMode, mode);
}

ArcDirection RecordingSurface::SetArcDirection(ArcDirection direction)
{
    Record(direction == ArcDirection::CounterClockwise ? "SetArcDirection(CounterClockwise)"
                                                       : "SetArcDirection(Clockwise)");
    return std::exchange(state_.arcDirection, direction);
}

Point RecordingSurface::MoveTo(int x, int y)
{
    Record("MoveTo(" + Xy(x, y) + ")");
    return std::exchange(state_.position, Point{x, y});
}

void RecordingSurface::LineTo(int x, int y)
{
    Record("LineTo(" + Xy(x, y) + ")");
    state_.position = {x, y};
}

void RecordingSurface::DrawPolyline(std::span<const Point> points)
{
    Record("DrawPolyline(" + Points(points) + ")");
}

void RecordingSurface::DrawPolygon(std::span<const Point> points)
{
    Record("DrawPolygon(" + Points(points) + ")");
}

void RecordingSurface::DrawRectangle(int left, int top, int right, int bottom)
{
    Record("DrawRectangle(" + Box(left, top, right, bottom) + ")");
}

void RecordingSurface::DrawEllipse(int left, int top, int right, int bottom)
{
    Record("DrawEllipse(" + Box(left, top, right, bottom) + ")");
}

void RecordingSurface::DrawArc(const Rect& box, Point start, Point end)
{
    Record("DrawArc(" + Box(box) + "; " + Xy(start) + " -> " + Xy(end) + ")");
}

void RecordingSurface::DrawChord(const Rect& box, Point start, Point end)
{
    Record("DrawChord(" + Box(box) + "; " + Xy(start) + " -> " + Xy(end) + ")");
}

void RecordingSurface::DrawAngleArc(int centreX, int centreY, int radius, float startDegrees,
                                    float sweepDegrees)
{
    Record("DrawAngleArc(" + Xy(centreX, centreY) + "," + std::to_string(radius) + "," +
           Number(startDegrees) + "," + Number(sweepDegrees) + ")");
    if (radius >= 0)
        state_.position = AngleArcEnd(centreX, centreY, radius, startDegrees, sweepDegrees);
}

void RecordingSurface::FillRectangle(const Rect& rect, Colour colour)
{
    Record("FillRectangle(" + Box(rect) + "," + HexColour(colour) + ")");
}

void RecordingSurface::DrawText(int x, int y, const std::u16string& text)
{
    Record("DrawText(" + Xy(x, y) + "," + Quoted(text) + ")");
}

Size RecordingSurface::TextExtent(const std::u16string& text)
{
    Record("TextExtent(" + Quoted(text) + ")");
    return {kCharWidth * int(text.size()), kTextHeight};
}

void RecordingSurface::DrawImageStretched(const Image& image, const Rect& dest)
{
    Record("DrawImageStretched(" + std::to_string(image.width) + "x" +
           std::to_string(image.height) + " -> " + Box(dest) + ")");
}

} // namespace vantrel::test
