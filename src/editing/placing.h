#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class ElementDialogs;

// Places a new element of the kind that design tool `tool` (0..46, not the
// Connect or Select tool) stands for in grid cell `cell`: asks for its
// properties where the kind has any, gives it the document's next element
// id at the moment it is built and inserts it with an undo record. Returns
// true when the document took the element; a cancelled dialog, a missing
// I/O number, an occupied cell or a design without an id left places
// nothing (the last is told before any dialog).
bool PlaceElement(CVantrelDoc& document, ElementDialogs& dialogs, int tool, Point cell);

// Whether the design tool places an element.
bool IsPlacingTool(int tool);

} // namespace vantrel
