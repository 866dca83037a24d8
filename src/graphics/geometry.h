#pragma once

// Integer pixel and grid geometry shared by elements, the surface and the editor.

#include <algorithm>
#include <cmath>

namespace vantrel {

// How far from the origin a device coordinate may lie: far outside any
// window, sheet or picture, yet small enough that the difference of two
// coordinates, and the figure sizes and offsets added to one, fit an int.
// Element cells and paint object points come from files and the clipboard
// and may lie anywhere: each is clamped into this range, in a wide type,
// where it becomes a device coordinate, before a box or a line is formed.
inline constexpr double kDeviceCoordinateLimit = double(1 << 28);

// trunc(value) as a device coordinate, clamped into the range above; NaN
// gives 0.
inline int DeviceCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, -kDeviceCoordinateLimit, kDeviceCoordinateLimit));
}

struct Point
{
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point o) const { return {x + o.x, y + o.y}; }
};

struct Size
{
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A box in the classic device convention: left/top inclusive, right/bottom exclusive.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

} // namespace vantrel
