#pragma once

#include "graphics/geometry.h"

#include <array>

namespace vantrel {

class CVantrelDoc;
struct ViewState;

// Wiring an output to an input in Design mode. Points are device points of
// the view; the view's origin and zoom place the elements' pins. A refused
// connection (no element, not on a pin, output to output, input to input,
// a number pin meeting a bit pin) changes nothing and says nothing.

// The Connect tool, on button release: a drag between the output of one
// element and an input of another, in either direction, between two
// different cells starting at the view's drag anchor. The input is wired to
// the output's element (replacing what fed it) with an undo record. Returns
// true when an input changed.
bool ConnectDraggedPins(CVantrelDoc& document, const ViewState& view, Point release);

// The Connect tool, on mouse move with the button held: the preview line
// runs from the drag anchor to the mouse while the anchor lies on a pin.
void UpdateConnectionPreview(CVantrelDoc& document, ViewState& view, Point mouse);

// The digit key held at a button release, from the held states of the keys
// "1" to "4": the input index 0..3 of the first one held, -1 for none.
int HeldInputDigit(const std::array<bool, 4>& keyHeld);

// The Select tool with a digit key held, on button release: a click (no
// drag) on an element wires its input `input` to the single selected
// element, which may be the clicked element itself. The selection stays, so
// one source can feed several targets in a row. Returns true when an input
// changed.
bool ConnectSelectedToInput(CVantrelDoc& document, const ViewState& view, int input, Point release);

} // namespace vantrel
