#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class ElementDialogs;

// A double click on grid cell `cell` in Design mode: opens the property
// dialog of the element in the cell and, on OK, writes the answer back into
// it as one "changed" undo step. I/O elements choose among all numbers of
// their kind; a number another element holds is swapped with it. An empty
// cell, a kind without properties and Cancel change nothing. Returns whether
// the design changed.
bool EditElementProperties(CVantrelDoc& document, ElementDialogs& dialogs, Point cell);

} // namespace vantrel
