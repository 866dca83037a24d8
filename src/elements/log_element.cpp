#include "elements/log_element.h"

#include "archive/archive.h"
#include "elements/el_finder.h"
#include "elements/element_kind.h"

#include <cstdlib>

namespace vantrel {

const char* ListName(int list)
{
    static constexpr const char* kNames[kElementListCount] = {
        "main", "indirect", "register", "accumulator", "noop", "constant", "timer", "comment",
    };
    return kNames[list];
}

namespace {

// Files before element version 10 hold exactly two input slots per element.
constexpr std::int32_t kFirstVersionWithExactInputs = 10;

} // namespace

std::span<const KindTag> LogElement::Lineage() const
{
    return kLineageOf<LogElement>;
}

const ElementKindRow* LogElement::KindRow() const
{
    static const ElementKindRow* const row = FindElementClass(kClassName);
    return row;
}

int ElementSize(double zoom)
{
    return int(20.0 * zoom);
}

Point CellToView(Point cell, Point origin, double zoom)
{
    const double scale = kCellPixels * zoom;
    return {DeviceCoordinate((double(cell.x) - origin.x) * scale),
            DeviceCoordinate((double(cell.y) - origin.y) * scale)};
}

LogElement::LogElement(Point position, std::int32_t elementId) : id(elementId), pos(position) {}

void LogElement::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(CArchive::kCurrentElementVersion);
        ar.WriteInt32(pos.x);
        ar.WriteInt32(pos.y);
        ar.WriteInt32(id);
        SerializeInputs(ar);
        return;
    }
    const std::int32_t version = ar.ReadInt32();
    ar.SetElementVersion(version);
    pos.x = ar.ReadInt32();
    pos.y = ar.ReadInt32();
    id = ar.ReadInt32();
    if (version >= kFirstVersionWithExactInputs) {
        SerializeInputs(ar);
    } else {
        inputs[0] = ar.ReadInt32();
        inputs[1] = ar.ReadInt32();
    }
}

void LogElement::SerializeInputs(CArchive& ar)
{
    for (int i = 0; i < InputCount(); ++i)
        ar.Exchange(inputs[i]);
}

void LogElement::DrawBody(Surface&, const ElFinder&, int, int, int) const {}

Point LogElement::OutputPinOffset(int r) const
{
    return {r, 0};
}

Point LogElement::OutputPinPos(int r, Point origin, double zoom) const
{
    return OutputPinOffset(r) + CellToView(pos, origin, zoom);
}

Point LogElement::InputPinOffset(int r, int input) const
{
    const int pitch = 2 * r / (InputCount() + 1);
    return {-r, pitch * (input + 1) - r};
}

Point LogElement::InputPinPos(int r, int input, Point origin, double zoom) const
{
    return InputPinOffset(r, input) + CellToView(pos, origin, zoom);
}

std::uint32_t LogElement::EncodeWord(const ElFinder&) const
{
    return 0;
}

std::unique_ptr<LogElement> LogElement::Clone() const
{
    return std::unique_ptr<LogElement>(new LogElement(*this));
}

void LogElement::Encode(std::vector<std::uint32_t>& words, const ElFinder& finder) const
{
    words.push_back(EncodeWord(finder));
}

int LogElement::HitPin(Point viewPoint, Point origin, double zoom) const
{
    const int r = ElementSize(zoom);
    const int tolerance = r / 4;
    if (HasOutput()) {
        Point pin = OutputPinPos(r, origin, zoom);
        if (std::abs(viewPoint.x - pin.x) < tolerance && std::abs(viewPoint.y - pin.y) < tolerance)
            return -1;
    }
    for (int i = 0; i < InputCount(); ++i) {
        Point pin = InputPinPos(r, i, origin, zoom);
        if (std::abs(viewPoint.x - pin.x) < tolerance && std::abs(viewPoint.y - pin.y) <= tolerance)
            return i + 1;
    }
    return 0;
}

} // namespace vantrel
