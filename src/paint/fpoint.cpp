#include "paint/fpoint.h"

#include "archive/archive.h"

#include <cmath>

namespace vantrel {

namespace {

// Far outside any screen, yet adding a client offset cannot overflow.
constexpr double kPixelLimit = 1 << 30;

} // namespace

int TruncateToPixel(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::trunc(std::fmax(-kPixelLimit, std::fmin(kPixelLimit, value))));
}

FPoint FPoint::FromDevice(Point device, const Rect& client)
{
    const int centreX = (client.left + client.right) / 2;
    const int centreY = (client.top + client.bottom) / 2;
    return {float(device.x - centreX) * 2 / float(client.Width()),
            float(device.y - centreY) * 2 / float(client.Height())};
}

Point FPoint::ToDevice(const Rect& client) const
{
    return {TruncateToPixel(float(client.Width()) * x * 0.5f) + (client.right + client.left) / 2,
            (client.top + client.bottom) / 2 + TruncateToPixel(float(client.Height()) * y * 0.5f)};
}

void FPoint::ScaleAbout(double sx, double sy, const FPoint& centre)
{
    if (sx != 1)
        x = float((double(x) - centre.x) * sx + centre.x);
    if (sy != 1)
        y = float((double(y) - centre.y) * sy + centre.y);
}

void FPoint::Serialize(CArchive& archive)
{
    archive.Exchange(x);
    archive.Exchange(y);
}

} // namespace vantrel
