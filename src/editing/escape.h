#pragma once

namespace vantrel {

struct ViewState;

// Turns the tool of the current mode back to Select (Design or Preview
// design), as the right button does.
void ReturnToSelectTool(ViewState& state);

// Esc in the view. While the left button is held it drops what the button
// started: the rubber band, the connection being drawn, the shape being
// dragged out, the element about to be placed; the release then does
// nothing and the tool stays. Otherwise the tool goes back to Select.
// Returns whether anything the view shows changed.
bool CancelWithEscape(ViewState& state);

} // namespace vantrel
