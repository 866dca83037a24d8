#include "elements/gates.h"

#include "elements/el_finder.h"
#include "elements/gate_figures.h"
#include "graphics/surface.h"

namespace vantrel {

// Input 1 is resolved before input 0, so with both unconnected the warning
// for input 1 comes first.
std::uint32_t TwoInputWord(std::uint32_t operation, const LogElement& element,
                           const ElFinder& finder)
{
    const auto second = std::uint32_t(finder.EncodeIndex(element.inputs[1]));
    const auto first = std::uint32_t(finder.EncodeIndex(element.inputs[0]));
    return (operation << 28) | ((first & 0x3FFF) << 14) | (second & 0x3FFF);
}

void LogAnd::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawDShape(s, x, y, r);
}
std::uint32_t LogAnd::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(0, *this, f);
}

void LogOr::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawArrowShape(s, x, y, r);
}
std::uint32_t LogOr::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(1, *this, f);
}

void LogNAND::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawDShape(s, x, y, r);
    DrawBubble(s, x, y, r, r / 3);
}
std::uint32_t LogNAND::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(2, *this, f);
}

void LogNOR::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawArrowShape(s, x, y, r);
    DrawBubble(s, x, y, r, r / 3);
}
std::uint32_t LogNOR::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(3, *this, f);
}

void LogXOR::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawArrowShape(s, x, y, r);
    DrawXorBar(s, x, y, r);
}
std::uint32_t LogXOR::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(4, *this, f);
}

void LogNXOR::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawArrowShape(s, x, y, r);
    DrawXorBar(s, x, y, r);
    DrawBubble(s, x, y, r, r / 3);
}
std::uint32_t LogNXOR::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(5, *this, f);
}

void LogNot::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    const Point triangle[] = {{x - r, y - r}, {x - r, y + r}, {x + r, y}};
    s.DrawPolygon(triangle);
    DrawBubble(s, x, y, r, r / 5);
}

std::uint32_t LogNot::EncodeWord(const ElFinder& f) const
{
    return 0xF4000000u | (std::uint32_t(f.EncodeIndex(inputs[0])) & 0x3FFF);
}

} // namespace vantrel
