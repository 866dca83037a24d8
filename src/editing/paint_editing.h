#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class ElementDialogs;
struct ViewState;

// Edits of the paint objects beyond the tools and the selection keys. Each
// edit that changes the paint list is one undo step and marks the design
// modified.

// A double click at `click` in Preview design edits the topmost paint object
// under it on the current page: its text (text objects only), then its
// colour configuration. A cancelled colour dialog keeps an accepted text.
// Returns whether the object changed.
bool EditPaintObjectAt(CVantrelDoc& document, ElementDialogs& dialogs, const ViewState& state,
                       Point click, const Rect& client);

// Mirrors the paint selection about the middle of its extent on one axis;
// nothing happens to an empty selection. Returns whether anything moved.
bool FlipPaintSelection(CVantrelDoc& document, const ViewState& state, bool horizontally);

// Snaps the nearly axis-parallel lines of the paint selection onto the axes.
// Returns whether any object changed (an undo step only then).
bool NormalizePaintSelection(CVantrelDoc& document, const ViewState& state);

// Forgets the selected paint objects that are no longer in the document (an
// undo or redo of a paint edit exchanges the whole paint list).
void DropStalePaintSelection(const CVantrelDoc& document, ViewState& state);

} // namespace vantrel
