#include "editing/design_tool.h"

#include "editing/command_ids.h"
#include "editing/connecting.h"
#include "editing/placing.h"
#include "editing/view_state.h"

namespace vantrel {

namespace {

ReleaseOutcome OutcomeOf(bool changed)
{
    return changed ? ReleaseOutcome::Changed : ReleaseOutcome::Unchanged;
}

} // namespace

ReleaseOutcome ReleaseDesignTool(CVantrelDoc& document, ElementDialogs& dialogs, ViewState& view,
                                 Point release, int heldDigit)
{
    view.connectionPreviewEnd.reset();
    switch (view.designTool) {
    case command::kConnectTool:
        return OutcomeOf(ConnectDraggedPins(document, view, release));
    case command::kSelectTool:
        if (heldDigit < 0)
            return ReleaseOutcome::Selecting;
        return OutcomeOf(ConnectSelectedToInput(document, view, heldDigit, release));
    default:
        return OutcomeOf(
            PlaceElement(document, dialogs, view.designTool, view.DeviceToCell(release)));
    }
}

} // namespace vantrel
