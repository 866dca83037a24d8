#include "elements/triggers.h"

#include "archive/archive.h"
#include "elements/el_finder.h"
#include "elements/gates.h"
#include "graphics/surface.h"

namespace vantrel {

void LogTrigger::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawRectangle(x - r / 2, y - r, x + r / 2, y + r);
}

Point LogTrigger::InputPinOffset(int r, int input) const
{
    const int count = InputCount();
    const int gaps = count >= 2 ? count - 1 : 1;
    return {-(r / 2), r * input / gaps - r / 2};
}

void LogTrigger::SerializeUnversioned(CArchive& ar)
{
    ar.Exchange(pos.x);
    ar.Exchange(pos.y);
    ar.Exchange(id);
    SerializeInputs(ar);
}

void LogTrigger::EncodeWithInputPair(std::vector<std::uint32_t>& words,
                                     const ElFinder& finder) const
{
    words.push_back(EncodeWord(finder));
    words.push_back(TwoInputWord(0, *this, finder));
}

std::uint32_t LogMem::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(6, *this, f);
}

std::uint32_t LogSwitch::EncodeWord(const ElFinder& f) const
{
    return TwoInputWord(7, *this, f);
}

std::uint32_t LogToggle::EncodeWord(const ElFinder& f) const
{
    return 0xEA000000u | (std::uint32_t(f.EncodeIndex(inputs[2])) & 0x3FFF);
}

std::uint32_t LogDelayedSwitch::EncodeWord(const ElFinder& f) const
{
    const auto time = std::uint32_t(f.EncodeIndex(inputs[3]));
    const auto delayed = std::uint32_t(f.EncodeIndex(inputs[2]));
    return 0xE8000000u | ((time & 0x1FF) << 14) | (delayed & 0x3FFF);
}

} // namespace vantrel
