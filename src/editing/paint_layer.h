#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class Surface;
struct ViewState;

// The progress value the object under construction shows.
inline constexpr int kUnderConstructionProgress = 300;

// The paint objects of the current page in list order (the later, the more
// on top), selected ones in their active colours at the view's tick, each
// showing a third of its progress maximum; then the object under
// construction, unselected at tick 0 showing kUnderConstructionProgress.
void DrawPaintLayer(Surface& surface, const CVantrelDoc& document, const ViewState& state,
                    const Rect& client);

// Whether the current page looks different at the next tick: only selected
// objects of the "Blinking" and "Moving" styles change with it.
bool PaintLayerChangesWithTick(const CVantrelDoc& document, const ViewState& state);

} // namespace vantrel
