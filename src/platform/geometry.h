#pragma once

// Integer pixel and grid geometry shared by elements, the surface and the editor.

namespace vantrel {

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
