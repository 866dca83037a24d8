#include "editing/paint_layer.h"

#include "document/vantrel_doc.h"
#include "editing/view_state.h"

#include <algorithm>
#include <unordered_set>

namespace vantrel {

namespace {

// The selection as a set of addresses: compared, never followed, so an
// entry that no longer belongs to the document does no harm here.
using PaintSelection = std::unordered_set<const PaintStuff*>;

PaintSelection SelectionOf(const ViewState& state)
{
    return {state.paintSelection.begin(), state.paintSelection.end()};
}

} // namespace

void DrawPaintLayer(Surface& surface, const CVantrelDoc& document, const ViewState& state,
                    const Rect& client)
{
    const PaintSelection selected = SelectionOf(state);
    for (const auto& object : document.paintObjects) {
        if (object->pageIndex != state.currentPage)
            continue;
        const int colourState = selected.contains(object.get()) ? 1 : 0;
        object->Draw(surface, client, colourState, state.tick, object->progressMax / 3);
    }
    if (state.underConstruction)
        state.underConstruction->Draw(surface, client, 0, 0, kUnderConstructionProgress);
}

bool PaintLayerChangesWithTick(const CVantrelDoc& document, const ViewState& state)
{
    const PaintSelection selected = SelectionOf(state);
    return std::any_of(document.paintObjects.begin(), document.paintObjects.end(),
                       [&](const auto& object) {
                           return object->pageIndex == state.currentPage &&
                                  (object->style == PaintStuff::kBlinking ||
                                   object->style == PaintStuff::kMoving) &&
                                  selected.contains(object.get());
                       });
}

} // namespace vantrel
