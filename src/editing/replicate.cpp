#include "editing/replicate.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/element_ids.h"
#include "editing/view_state.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"

#include <limits>

namespace vantrel {

bool CanReplicate(const ViewState& state)
{
    if (!state.InDesign() || state.logicSelection.size() != 1)
        return false;
    const LogElement* selected = state.logicSelection.front();
    return selected && CanBeReplicated(*selected);
}

bool ReplicateSelected(CVantrelDoc& document, ViewState& state)
{
    if (!CanReplicate(state))
        return false;
    const LogElement& source = *state.logicSelection.front();
    // Its cell is left of the source's; there is none left of the grid's edge.
    if (source.pos.x == std::numeric_limits<std::int32_t>::min())
        return false;
    if (!ElementIdsLeftFor(document, 1))
        return false;
    // The id is taken when the replicator is built, placed or not.
    auto replicator = std::make_unique<LogReplicator>(Point{source.pos.x - 1, source.pos.y},
                                                      document.TakeElementId().value(), source.id);
    LogElement* placed = replicator.get();
    EditTransaction edit(document, UndoRecord::kAdded);
    if (!edit.Insert(std::move(replicator)))
        return false;
    edit.Commit();
    state.logicSelection = {placed};
    return true;
}

} // namespace vantrel
