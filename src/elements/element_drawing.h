#pragma once

namespace vantrel {

class ElFinder;
class LogElement;
class Surface;

// Draws an element the way the schematic shows it, with the pen and brush
// already selected: the output stub (r/5 to the right of the output pin),
// each input stub (r/5 to the left of its pin), then the element's own
// figure at view anchor (x, y) with size r. Some figures continue from the
// end of the last stub.
void DrawElementWithPins(Surface& surface, const ElFinder& finder, const LogElement& element, int x,
                         int y, int r);

} // namespace vantrel
