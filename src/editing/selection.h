#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
struct ViewState;

// The logic selection (Design mode).

// Left button up with the Select tool: a click selects the element in the
// released cell (or nothing); a drag selects every element of lists 0 to 7
// in the cell rectangle between anchor and release, borders included.
void SelectLogicByRelease(CVantrelDoc& document, ViewState& state, Point release);
void SelectAllLogic(CVantrelDoc& document, ViewState& state);
// Moves the selection by one cell, recording one merged undo step per run
// of moves of the same selection. Returns whether anything moved.
bool MoveLogicSelection(CVantrelDoc& document, ViewState& state, int dx, int dy);
// Asks "DeleteElements?" and deletes the selection on OK (one undo step).
bool DeleteLogicSelection(CVantrelDoc& document, ViewState& state);

// The paint selection (Preview design mode), in device points of `client`.
void SelectPaintByClick(CVantrelDoc& document, ViewState& state, Point click, const Rect& client);
void SelectPaintByRubberBand(CVantrelDoc& document, ViewState& state, Point release,
                             const Rect& client);
void SelectAllPaint(CVantrelDoc& document, ViewState& state);

enum class PaintKey
{
    Left,
    Up,
    Right,
    Down,
    NarrowX, // A
    WidenX,  // D
    NarrowY, // S
    WidenY,  // W
    Delete,
    Other,
};

// A key in Preview design mode with a non-empty paint selection: moves or
// scales the selection, or deletes it after "Sure?"; any key marks the
// document modified. Returns whether the key was handled (selection not empty).
bool EditPaintSelection(CVantrelDoc& document, ViewState& state, PaintKey key, bool autoRepeat);

} // namespace vantrel
