#include "paint/fpoint.h"

#include "archive/archive.h"

#include <cmath>

namespace vantrel {

namespace {

// One axis of ToDevice: the client's centre plus trunc(offset), formed in a
// wide type and clamped.
int DeviceAxis(int centre, float offset)
{
    return DeviceCoordinate(double(centre) +
                            (std::isnan(offset) ? 0.0 : std::trunc(double(offset))));
}

} // namespace

FPoint FPoint::FromDevice(Point device, const Rect& client)
{
    const int centreX = (client.left + client.right) / 2;
    const int centreY = (client.top + client.bottom) / 2;
    return {float(device.x - centreX) * 2 / float(client.Width()),
            float(device.y - centreY) * 2 / float(client.Height())};
}

Point FPoint::ToDevice(const Rect& client) const
{
    return {DeviceAxis((client.right + client.left) / 2, float(client.Width()) * x * 0.5f),
            DeviceAxis((client.top + client.bottom) / 2, float(client.Height()) * y * 0.5f)};
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
