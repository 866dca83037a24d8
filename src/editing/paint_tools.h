#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class ElementDialogs;
struct ViewState;

// The paint tools of Preview design: lines, ellipses and rectangles are
// dragged out from the drag anchor, texts are placed with a click.

// Whether the paint tool drags out a shape (line, ellipse, rectangle and
// their filled forms).
bool IsShapeTool(int paintTool);

// A mouse move to `at` with the left button held: with a shape tool the
// object under construction is replaced by a new one from the anchor to `at`
// on the current page. Returns whether it was.
bool DragPaintShape(ViewState& state, Point at, const Rect& client);

// The left button released at `release`. With the right button also held
// nothing happens. A drag hands the object under construction to the
// document (ellipses beneath every other object, the rest on top) or, with
// the Select tool, selects by rubber band; a click selects the topmost
// object under the pointer and, with a text tool, asks for the text of a new
// one. Each addition is one undo step. The object under construction is
// gone afterwards. Returns whether the document changed.
bool ReleasePaintTool(CVantrelDoc& document, ElementDialogs& dialogs, ViewState& state,
                      Point release, const Rect& client, bool rightButtonHeld);

} // namespace vantrel
