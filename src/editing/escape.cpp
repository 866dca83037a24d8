#include "editing/escape.h"

#include "editing/view_state.h"

namespace vantrel {

void ReturnToSelectTool(ViewState& state)
{
    if (state.InDesign())
        state.designTool = command::kSelectTool;
    else
        state.paintTool = command::kPaintSelect;
}

bool CancelWithEscape(ViewState& state)
{
    if (state.leftButtonHeld) {
        if (state.gestureDropped)
            return false;
        state.gestureDropped = true;
        state.rubberBandCorner.reset();
        state.connectionPreviewEnd.reset();
        state.underConstruction.reset();
        return true;
    }
    const int designTool = state.designTool;
    const int paintTool = state.paintTool;
    ReturnToSelectTool(state);
    return state.designTool != designTool || state.paintTool != paintTool;
}

} // namespace vantrel
