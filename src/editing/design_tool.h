#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class ElementDialogs;
struct ViewState;

enum class ReleaseOutcome
{
    Unchanged,
    // An element was placed or an input wired.
    Changed,
    // The Select tool without a digit key: the view's ordinary selection runs.
    Selecting,
};

// The left button release in Design mode at device point `release`: clears
// the connection preview, then acts with the current design tool: places an
// element in the release cell, connects the dragged pins (Connect), or, with
// the Select tool and a digit key held (`heldDigit` 0..3, -1 for none, see
// HeldInputDigit), wires the selected element into the clicked one.
ReleaseOutcome ReleaseDesignTool(CVantrelDoc& document, ElementDialogs& dialogs, ViewState& view,
                                 Point release, int heldDigit);

} // namespace vantrel
