#pragma once

#include "document/spatial_index.h"
#include "graphics/geometry.h"

#include <optional>

namespace vantrel {

class CVantrelDoc;
struct ViewState;

constexpr double kMinZoom = 0.0625;
constexpr double kMaxZoom = 2.0;
// The scroll range of the grid in cells, both axes.
constexpr int kScrollLimit = 600;

// An origin the view may take, for cells anywhere in the int range: clamped
// so that device points converted to cells never overflow.
int ClampedOrigin(double cell);

// The cells whose anchors may lie within `margin` pixels of the client area,
// with a cell to spare on every side (a pin lies within a quarter cell of its
// anchor); none where the view's scale cannot bound them.
std::optional<CellBox> CellsReaching(const ViewState& state, const Rect& client, int margin);

// Sets the zoom, keeping the cell at the window centre in place up to one cell.
void SetZoom(ViewState& state, double zoom, Size client);
// Fits the cells from `first` to `last` (top-left to bottom-right) into the
// client area, a cell from its top-left corner, at `maxZoom` at most.
void FitCells(ViewState& state, Point first, Point last, Size client, double maxZoom);
// Fits the main list's elements (and cell 0, 0) into the client area.
void FitToMainList(ViewState& state, CVantrelDoc& document, Size client);
// The view of a design just opened: zoom 1 with cell (0, 0) at the top-left
// corner, as a new window starts, when every element's anchor shows there;
// otherwise all elements of every list fitted into the client area, at zoom
// 1 at most, the top-left ones a cell from the corner.
void ShowWholeDesign(ViewState& state, CVantrelDoc& document, Size client);

enum class ScrollRequest
{
    LineBack,
    LineForward,
    PageBack,
    PageForward,
    Track,
    ToStart,
    ToEnd,
    Other,
};

// The new origin on one axis after a scroll request; `extent` is the client
// width (or height), `trackPosition` the position a thumb request carries.
int ScrolledOrigin(int origin, ScrollRequest request, double zoom, int extent, int trackPosition);
// Cells across one client extent: the scroll bar's page.
int VisibleCells(int extent, double zoom);

// Preview pages. Each returns whether the current page changed.
bool SetPageCount(CVantrelDoc& document, ViewState& state, int count);
bool PageLeft(ViewState& state);
bool PageRight(CVantrelDoc& document, ViewState& state);

} // namespace vantrel
