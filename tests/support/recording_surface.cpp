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

Pen RecordingSurface::SelectPen(const Pen& pen)
{
    Record("SelectPen(" + FormatPen(pen) + ")");
    return std::exchange(state_.pen, pen);
}

Brush RecordingSurface::SelectBrush(const Brush& brush)
{
    Record(brush.hollow ? "SelectBrush(Hollow)"
                        : "SelectBrush(Solid," + HexColour(brush.colour) + ")");
    return std::exchange(state_.brush, brush);
}

Colour RecordingSurface::SetTextColor(Colour colour)
{
    Record("SetTextColor(" + HexColour(colour) + ")");
    return std::exchange(state_.textColour, colour);
}

Colour RecordingSurface::SetBkColor(Colour colour)
{
    Record("SetBkColor(" + HexColour(colour) + ")");
    return std::exchange(state_.bkColour, colour);
}

BackgroundMode RecordingSurface::SetBkMode(BackgroundMode mode)
{
    Record(mode == BackgroundMode::Opaque ? "SetBkMode(Opaque)" : "SetBkMode(Transparent)");
    return std::exchange(state_.bkMode, mode);
}

ArcDirection RecordingSurface::SetArcDirection(ArcDirection direction)
{
    Record(direction == ArcDirection::CounterClockwise ? "SetArcDirection(CounterClockwise)"
                                                       : "SetArcDirection(Clockwise)");
    return std::exchange(state_.arcDirection, direction);
}

Point RecordingSurface::MoveToEx(int x, int y)
{
    Record("MoveToEx(" + Xy(x, y) + ")");
    return std::exchange(state_.position, Point{x, y});
}

void RecordingSurface::LineTo(int x, int y)
{
    Record("LineTo(" + Xy(x, y) + ")");
    state_.position = {x, y};
}

void RecordingSurface::Polyline(std::span<const Point> points)
{
    Record("Polyline(" + Points(points) + ")");
}

void RecordingSurface::Polygon(std::span<const Point> points)
{
    Record("Polygon(" + Points(points) + ")");
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom)
{
    Record("Rectangle(" + Box(left, top, right, bottom) + ")");
}

void RecordingSurface::Ellipse(int left, int top, int right, int bottom)
{
    Record("Ellipse(" + Box(left, top, right, bottom) + ")");
}

void RecordingSurface::Arc(const Rect& box, Point start, Point end)
{
    Record("Arc(" + Box(box) + "; " + Xy(start) + " -> " + Xy(end) + ")");
}

void RecordingSurface::Chord(const Rect& box, Point start, Point end)
{
    Record("Chord(" + Box(box) + "; " + Xy(start) + " -> " + Xy(end) + ")");
}

void RecordingSurface::AngleArc(int centreX, int centreY, int radius, float startDegrees,
                                float sweepDegrees)
{
    Record("AngleArc(" + Xy(centreX, centreY) + "," + std::to_string(radius) + "," +
           Number(startDegrees) + "," + Number(sweepDegrees) + ")");
    if (radius >= 0)
        state_.position = AngleArcEnd(centreX, centreY, radius, startDegrees, sweepDegrees);
}

void RecordingSurface::FillRect(const Rect& rect, Colour colour)
{
    Record("FillRect(" + Box(rect) + "," + HexColour(colour) + ")");
}

void RecordingSurface::TextOutW(int x, int y, const std::u16string& text)
{
    Record("TextOutW(" + Xy(x, y) + "," + Quoted(text) + ")");
}

Size RecordingSurface::GetTextExtentPoint32W(const std::u16string& text)
{
    Record("GetTextExtentPoint32W(" + Quoted(text) + ")");
    return {kCharWidth * int(text.size()), kTextHeight};
}

void RecordingSurface::StretchImage(const Image& image, const Rect& dest)
{
    Record("StretchImage(" + std::to_string(image.width) + "x" + std::to_string(image.height) +
           " -> " + Box(dest) + ")");
}

} // namespace vantrel::test
