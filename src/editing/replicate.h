#pragma once

namespace vantrel {

class CVantrelDoc;
struct ViewState;

// "Replicate" applies in Design mode to exactly one selected element that is
// an input or a user input (pulse user inputs included).
bool CanReplicate(const ViewState& state);

// Places a replicator of the selected input one cell left of it, with the
// next element id, as one undoable edit, and selects it alone. When that cell
// is taken nothing is placed and the input stays selected. Returns whether
// the replicator was placed.
bool ReplicateSelected(CVantrelDoc& document, ViewState& state);

} // namespace vantrel
