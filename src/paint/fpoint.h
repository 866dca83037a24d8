#pragma once

#include "archive/serializable.h"
#include "graphics/geometry.h"

namespace vantrel {

// A point of a paint object in normalized client coordinates: -1 .. 1 spans
// the client rectangle on each axis, (0, 0) is its centre. Stored as two
// single-precision floats.
class FPoint : public Serializable
{
public:
    static constexpr const char* kClassName = "FPoint";

    FPoint() = default;
    FPoint(float px, float py) : x(px), y(py) {}
    FPoint(const FPoint&) = default;
    FPoint& operator=(const FPoint&) = default;

    // The device pixel `device` of the client rectangle, normalized.
    static FPoint FromDevice(Point device, const Rect& client);
    // The device pixel of this point in the client rectangle. A point from a
    // file may be anything: far-off values give the nearest device
    // coordinate there is (see DeviceCoordinate), NaN the client's centre.
    Point ToDevice(const Rect& client) const;

    // Scales the distance from the centre on each axis whose factor is not
    // exactly 1 (an axis left alone keeps its exact value).
    void ScaleAbout(double sx, double sy, const FPoint& centre);

    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& archive) override;

    friend bool operator==(const FPoint& a, const FPoint& b) { return a.x == b.x && a.y == b.y; }

    float x = 0;
    float y = 0;
};

} // namespace vantrel
