#include "elements/comparators.h"

#include "elements/el_finder.h"
#include "graphics/surface.h"

#include <string>

namespace vantrel {

namespace {

std::uint32_t CompareWord(std::uint32_t opcode, const LogElement& comparator,
                          const ElFinder& finder)
{
    const auto a = std::uint32_t(finder.EncodeIndex(comparator.inputs[0]));
    const auto b = std::uint32_t(finder.EncodeIndex(comparator.inputs[1]));
    return opcode | ((b & 0xFF) << 10) | ((a & 0xFF) << 2) | (((b >> 8) & 1) << 1) | ((a >> 8) & 1);
}

void DrawComparator(Surface& surface, int x, int y, int r, const std::u16string& relation)
{
    surface.DrawEllipse(x - r, y - r, x + r, y + r);
    surface.DrawText(x, y, relation);
}

} // namespace

void LogCompEq::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawComparator(s, x, y, r, u"==");
}

std::uint32_t LogCompEq::EncodeWord(const ElFinder& f) const
{
    return CompareWord(0xE2000000u, *this, f);
}

void LogCompL::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawComparator(s, x, y, r, u">");
}

std::uint32_t LogCompL::EncodeWord(const ElFinder& f) const
{
    return CompareWord(0xE4000000u, *this, f);
}

} // namespace vantrel
