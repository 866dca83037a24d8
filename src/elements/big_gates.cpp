#include "elements/big_gates.h"

#include "archive/archive.h"
#include "elements/el_finder.h"
#include "elements/gate_figures.h"
#include "graphics/surface.h"

namespace vantrel {

LogBigOp::LogBigOp(Point position, std::int32_t elementId, std::int32_t from, std::int32_t to,
                   std::int32_t kind, bool inverted)
    : ElementKind(position, elementId), rangeFrom(from), rangeTo(to), ioKind(kind),
      invert(inverted ? 1 : 0)
{}

void LogBigOp::Serialize(CArchive& ar)
{
    std::int32_t* fields[] = {&pos.x, &pos.y, &id, &rangeFrom, &rangeTo, &ioKind, &invert};
    for (std::int32_t* field : fields)
        ar.Exchange(*field);
    SerializeInputs(ar);
}

std::uint32_t LogBigOp::RangeWord(std::uint32_t operationBits) const
{
    return operationBits | ((std::uint32_t(invert) & 1) << 24) |
           ((std::uint32_t(ioKind) & 3) << 22) | (((std::uint32_t(rangeTo) - 1u) & 0x7FF) << 11) |
           ((std::uint32_t(rangeFrom) - 1u) & 0x7FF);
}

void LogBigAnd::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawDShape(s, x, y, r);
}
std::uint32_t LogBigAnd::EncodeWord(const ElFinder&) const
{
    return RangeWord(0x80000000u);
}

void LogBigOr::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawArrowShape(s, x, y, r);
}
std::uint32_t LogBigOr::EncodeWord(const ElFinder&) const
{
    return RangeWord(0x82000000u);
}

void LogBigAlarm::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawRectangle(x - r / 2, y - r, x + r, y + r);
}

std::uint32_t LogBigAlarm::EncodeWord(const ElFinder&) const
{
    return RangeWord(0x84000000u);
}

void LogBigAlarm::Encode(std::vector<std::uint32_t>& words, const ElFinder& finder) const
{
    words.push_back(EncodeWord(finder));
    words.push_back(std::uint32_t(finder.EncodeIndex(inputs[0])));
}

} // namespace vantrel
