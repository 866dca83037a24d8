#include "editing/marker_partners.h"

#include "document/vantrel_doc.h"
#include "elements/indirect_elements.h"

namespace vantrel {

std::unordered_set<const LogElement*> MarkerPartners(const CVantrelDoc& document,
                                                     const std::vector<LogElement*>& selection)
{
    std::unordered_set<const LogElement*> partners;
    std::unordered_set<std::int32_t> selectedStarts;
    for (const LogElement* element : selection) {
        if (const auto* out = KindAs<LogEndMarker>(element))
            if (const auto* start = KindAs<LogStartMarker>(document.FindById(out->startId)))
                partners.insert(start);
        if (IsKind<LogStartMarker>(element))
            selectedStarts.insert(element->id);
    }
    // One pass over the markers, however many In Markers are selected.
    if (!selectedStarts.empty())
        for (const auto& element : document.elements[kIndirectList])
            if (const auto* out = KindAs<LogEndMarker>(element.get()))
                if (selectedStarts.contains(out->startId))
                    partners.insert(out);
    for (const LogElement* element : selection)
        partners.erase(element);
    return partners;
}

} // namespace vantrel
