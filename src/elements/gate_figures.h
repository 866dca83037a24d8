#pragma once

namespace vantrel {

class Surface;

// Figures shared by the gate kinds, drawn around anchor (x, y) with size r.

// The right half of a 4r by 2r ellipse centred at (x - r, y), closed by its
// vertical chord at x - r: the AND shape.
void DrawDShape(Surface& surface, int x, int y, int r);
// The OR shape: a filled arrow with a notch at its back.
void DrawArrowShape(Surface& surface, int x, int y, int r);
// The inverting circle on the output pin, of the given radius.
void DrawBubble(Surface& surface, int x, int y, int r, int radius);
// The extra input bar of the exclusive gates.
void DrawXorBar(Surface& surface, int x, int y, int r);

} // namespace vantrel
