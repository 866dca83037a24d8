#pragma once

#include "graphics/colour.h"
#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class Surface;
struct DesignComparison;
struct ViewState;

// The colours of the differences drawn over a design's picture.
namespace comparison_pens {
constexpr Colour kAdded = Rgb(0, 170, 0);
constexpr Colour kRemoved = Rgb(240, 128, 128);
constexpr Colour kChanged = Rgb(255, 170, 0);
constexpr int kFrameWidth = 2;
} // namespace comparison_pens

// Draws over the view's picture of `after` how it differs from `before`:
// in Design mode added elements framed in green, removed ones as faded red
// ghosts at their old cells, changed or rewired ones framed in amber and
// moved ones with an amber line from their old cell; in Preview design the
// paint objects of the current page the same way.
void DrawComparisonMarks(Surface& surface, const CVantrelDoc& before, const CVantrelDoc& after,
                         const DesignComparison& comparison, const ViewState& state,
                         const Rect& client);

// Fits the cells of the elements that differ, old and new, into the client
// area, at zoom 1 at most. Returns false, leaving the view as it was, when
// no element differs.
bool FitToComparison(ViewState& state, const DesignComparison& comparison, Size client);

} // namespace vantrel
