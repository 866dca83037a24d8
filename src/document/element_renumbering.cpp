#include "document/element_renumbering.h"

#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"

#include <map>

namespace vantrel {

void RenumberElements(CVantrelDoc& document, const IdRenumbering& newIds)
{
    if (newIds.empty())
        return;
    const auto follow = [&](std::int32_t& id) {
        if (const auto found = newIds.find(id); found != newIds.end())
            id = found->second;
    };
    for (ElementList& list : document.elements)
        for (const auto& element : list) {
            follow(element->id);
            VisitElementIds(*element, [&](std::string_view, std::int32_t& id) { follow(id); });
        }
    for (const auto& object : document.paintObjects)
        for (std::int32_t* id :
             {&object->commandId, &object->activeId, &object->active2Id, &object->progressId})
            follow(*id);
    for (const auto& command : document.complexCommands) {
        std::map<std::int32_t, bool> settings;
        for (const auto& [id, on] : command->settings) {
            std::int32_t renumbered = id;
            follow(renumbered);
            settings[renumbered] = on;
        }
        command->settings = std::move(settings);
    }
    for (const auto& element : document.simulationElements) {
        for (std::int32_t& id : element->inputs)
            follow(id);
        for (std::int32_t& id : element->outputs)
            follow(id);
    }
    // The id index still holds the old ids; a change rebuilds what derives
    // from the elements.
    document.SetModified(true);
}

} // namespace vantrel
