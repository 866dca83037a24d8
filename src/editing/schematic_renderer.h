#pragma once

#include "graphics/geometry.h"

namespace vantrel {

class CVantrelDoc;
class Surface;
struct Image;
struct ViewState;

// The pens of the design picture (0x00BBGGRR).
namespace design_pens {
constexpr int kNormalWidth = 1;
constexpr unsigned kNormal = 0x00003232;    // RGB(50, 50, 0)
constexpr unsigned kSelected = 0x000000C0;  // RGB(192, 0, 0), width 2
constexpr unsigned kOpenInput = 0x00C00000; // RGB(0, 0, 192), width 2
constexpr unsigned kLoop = 0x0000C000;      // RGB(0, 192, 0), width 1
// The markers linked to a selected marker: drawn width 2 in a dashed frame.
constexpr unsigned kMarkerPartner = 0x00C000C0; // RGB(192, 0, 192)
} // namespace design_pens

// The elements of the Design picture with their connections, each in its
// state's pen, on whatever the surface already shows: no background, no drag
// feedback and no status text. Below zoom 1, elements lower than a line of
// the surface's text are drawn without their texts. The caller selects the
// hollow brush and the transparent text background.
// Which elements the picture considers before it leaves out those it cannot
// show: the ones the design's spatial index finds around the client area, or
// all of them; both draw the same picture.
enum class DesignWalk
{
    Indexed,
    Whole,
};

void DrawDesignElements(Surface& surface, CVantrelDoc& document, const ViewState& state,
                        const Rect& client, DesignWalk walk = DesignWalk::Indexed);

// The Design picture of the client rectangle: every element with its
// connections, in its state's pen, the drag feedback and the status text
// "%d logic elements V%d".
void DrawDesignPicture(Surface& surface, CVantrelDoc& document, const ViewState& state,
                       const Rect& client);

// The Preview design picture of the current page: the page background
// (already scaled to the client size by the caller, who caches it; none
// fills with the document's background colour), its paint objects (see
// DrawPaintLayer), the rubber band and the status text "Page %d / %d".
void DrawPreviewPicture(Surface& surface, CVantrelDoc& document, const ViewState& state,
                        const Rect& client, const Image* scaledBackground);

// The view's picture of the client rectangle: the design in Design mode, the
// current page in Preview design.
void DrawViewPicture(Surface& surface, CVantrelDoc& document, const ViewState& state,
                     const Rect& client, const Image* scaledBackground);

} // namespace vantrel
