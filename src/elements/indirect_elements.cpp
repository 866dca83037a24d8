#include "elements/indirect_elements.h"

#include "archive/archive.h"
#include "elements/el_finder.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "graphics/surface.h"

#include <optional>

namespace vantrel {

namespace {

// The figures say "invalid" where the descriptions say "Invalid".
constexpr const char16_t* kInvalidFigureText = u"invalid";
constexpr const char16_t* kInvalidDescription = u"Invalid";

// The label of the In Marker (either kind) with the id, if it is one.
std::optional<std::u16string> StartMarkerLabel(const ElFinder& finder, std::int32_t startId)
{
    if (auto* start = KindAs<LogStartMarker>(finder.FindById(startId)))
        return start->label;
    return std::nullopt;
}

// "I: " and the name of a replicated input, "U: " and the name of any other
// I/O element, if the id names one.
std::optional<std::u16string> ReplicatedName(const ElFinder& finder, std::int32_t sourceId)
{
    const auto* io = KindAs<LogIO>(finder.FindById(sourceId));
    if (!io)
        return std::nullopt;
    return (IsKind<LogIn>(io) ? u"I: " : u"U: ") + io->name;
}

} // namespace

bool CanBeReplicated(const LogElement& element)
{
    const std::optional<NumberKind> numbers = NumbersOf(element);
    return numbers == NumberKind::Inputs || numbers == NumberKind::UserInputs;
}

LogStartMarker::LogStartMarker(Point position, std::int32_t elementId, std::u16string markerLabel)
    : ElementKind(position, elementId), label(std::move(markerLabel))
{}

void LogStartMarker::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(label);
}

// A tag pointing left, towards the input.
void LogStartMarker::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    const Point tag[] = {
        {x + r, y - r / 2}, {x + r, y}, {x - r / 2, y}, {x - r, y - r / 4}, {x - r / 2, y - r / 2}};
    s.DrawPolygon(tag);
    s.DrawText(x - r, y + r / 2, label);
}

LogEndMarker::LogEndMarker(Point position, std::int32_t elementId, std::int32_t startMarker)
    : ElementKind(position, elementId), startId(startMarker)
{}

void LogEndMarker::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(startId);
}

// A tag pointing right, towards the output.
void LogEndMarker::DrawBody(Surface& s, const ElFinder& finder, int x, int y, int r) const
{
    const Point tag[] = {
        {x - r, y - r / 2}, {x - r, y}, {x + r / 2, y}, {x + r, y - r / 4}, {x + r / 2, y - r / 2}};
    s.DrawPolygon(tag);
    s.DrawText(x - r, y + r / 2, StartMarkerLabel(finder, startId).value_or(kInvalidFigureText));
}

std::u16string LogEndMarker::Describe(const ElFinder& finder) const
{
    return u"Out Marker: " + StartMarkerLabel(finder, startId).value_or(kInvalidDescription);
}

LogReplicator::LogReplicator(Point position, std::int32_t elementId, std::int32_t source)
    : ElementKind(position, elementId), sourceId(source)
{}

void LogReplicator::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(sourceId);
}

void LogReplicator::DrawBody(Surface& s, const ElFinder& finder, int x, int y, int r) const
{
    s.DrawRectangle(x, y - r, x + r, y);
    s.DrawText(x - r, y + r, ReplicatedName(finder, sourceId).value_or(kInvalidFigureText));
}

std::u16string LogReplicator::Describe(const ElFinder& finder) const
{
    return u"Replicator: " + ReplicatedName(finder, sourceId).value_or(kInvalidDescription);
}

void LogBreaker::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.MoveTo(x - r, y - r);
    s.LineTo(x + r, y + r);
    s.MoveTo(x + r, y - r);
    s.LineTo(x - r, y + r);
}

} // namespace vantrel
