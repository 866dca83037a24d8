#include "paint/curve.h"

#include "archive/archive.h"
#include "archive/byte_buffer.h"

#include <algorithm>

namespace vantrel {

namespace {

FPoint Absolute(const FPoint& origin, const FPoint& offset)
{
    return {origin.x + offset.x, origin.y + offset.y};
}

} // namespace

void Curve::CopyFrom(const PaintStuff& other)
{
    PaintStuff::CopyFrom(other);
    auto* curve = dynamic_cast<const Curve*>(&other);
    if (!curve)
        return;
    std::vector<std::unique_ptr<FPoint>> copies;
    copies.reserve(curve->points.size());
    for (const auto& point : curve->points)
        copies.push_back(std::make_unique<FPoint>(*point));
    points = std::move(copies);
}

std::int32_t Curve::SerializeBody(CArchive& archive)
{
    const std::int32_t version = PaintStuff::SerializeBody(archive);
    archive.SerializeObjectList(points);
    // A null slot carries no point; the figure is the same without it.
    std::erase(points, nullptr);
    return version;
}

void Curve::WriteFlashRecord(ByteWriter& out) const
{
    PaintStuff::WriteFlashRecord(out);
    out.Put(std::uint32_t(points.size()));
    for (const auto& point : points) {
        out.Put(point->x);
        out.Put(point->y);
    }
}

FPoint Curve::TopLeft() const
{
    return Corner([](float a, float b) { return std::min(a, b); });
}

FPoint Curve::BottomRight() const
{
    return Corner([](float a, float b) { return std::max(a, b); });
}

template <class Pick> FPoint Curve::Corner(Pick pick) const
{
    FPoint corner = from;
    for (const auto& point : points) {
        const FPoint at = Absolute(from, *point);
        corner = {pick(corner.x, at.x), pick(corner.y, at.y)};
    }
    return corner;
}

// Every point is scaled where it lies on the page, then stored relative to
// the scaled start again.
void Curve::ScaleAbout(double sx, double sy, const FPoint& centre)
{
    const FPoint oldFrom = from;
    PaintStuff::ScaleAbout(sx, sy, centre);
    for (auto& point : points) {
        FPoint at = Absolute(oldFrom, *point);
        at.ScaleAbout(sx, sy, centre);
        *point = {at.x - from.x, at.y - from.y};
    }
}

} // namespace vantrel
