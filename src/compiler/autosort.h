#pragma once

namespace vantrel {

class CVantrelDoc;

// Orders the main list so that every element comes after the elements that
// feed its bit inputs: inputs, user inputs and clocks first, then pass by
// pass in the previous relative order. Loops are cut at a delayed input
// where possible (weak) and otherwise at the first remaining element
// (strong). Reports the weak loops ("Autosort complete") and returns the
// number of strong loops.
int SortMain(CVantrelDoc& document);

// Orders the register list by its numeric inputs, analog inputs first.
// Returns false when an element had to be placed while still waiting.
bool SortRegisters(CVantrelDoc& document);

// Each sort is one undoable edit of the design, which undo takes back to
// the order before it.
//
// The "Auto sort" command: both sorts as one undoable edit, with a warning
// for each incomplete one. False, after the system's "Out of memory."
// message, when memory ran out; both lists then keep their order.
bool AutoSort(CVantrelDoc& document);

} // namespace vantrel
