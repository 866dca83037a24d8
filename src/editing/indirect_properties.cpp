// The properties of the indirect kinds: an in marker's label, and the element
// an out marker or a replicator stands for, which only placing asks for.
#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"
#include "editing/property_adapter.h"
#include "elements/indirect_elements.h"

#include <variant>

namespace vantrel {

namespace {

// The in marker an out marker reads: the numeric ones for a numeric out
// marker (the row's argument 1), the bit ones otherwise.
struct OutMarkerProperties
{
    using Element = LogEndMarker;
    using Shown = bool;
    using Answer = std::int32_t;

    std::optional<Shown> Defaults(NewElement& placement) const
    {
        return placement.kind.propertyArgument != 0;
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc& document,
                              const Shown& numeric) const
    {
        return dialogs.OutMarkerDialog(document, numeric);
    }
    void Apply(LogEndMarker& marker, const Shown&, const Answer& startMarker) const
    {
        marker.startId = startMarker;
    }
};

// The input or user input a replicator stands for. Id 0 names no element;
// the dialog answers -1 when there was nothing to choose, and that
// replicator is placed and shows itself invalid.
struct InReplicatorProperties
{
    using Element = LogReplicator;
    using Shown = std::monostate;
    using Answer = std::int32_t;

    std::optional<Shown> Defaults(NewElement&) const { return Shown{}; }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc& document, const Shown&) const
    {
        return dialogs.RepDialog(document);
    }
    bool Places(const Answer& source) const { return source != 0; }
    void Apply(LogReplicator& replicator, const Shown&, const Answer& source) const
    {
        replicator.sourceId = source;
    }
};

// In markers, numeric or not: a label, which may stay empty.
const ShapeAdapter kMarkerLabels{TextFieldShape<LogStartMarker, &LogStartMarker::label>{}};
const ShapeAdapter kOutMarkers{OutMarkerProperties{}};
const ShapeAdapter kInReplicators{InReplicatorProperties{}};

} // namespace

void EnterIndirectProperties(PropertyTable& table)
{
    using enum ElementProperties;
    Enter(table,
          {{MarkerLabel, kMarkerLabels}, {OutMarker, kOutMarkers}, {InReplicator, kInReplicators}});
}

} // namespace vantrel
