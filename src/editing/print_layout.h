#pragma once

#include "editing/view_state.h"
#include "graphics/geometry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class Surface;
struct Image;

// Printing scales the view's whole picture (figures, connections and texts
// alike) drawn at zoom 1: a picture pixel is what a screen of 96 dots per
// inch shows as one pixel.
namespace print_scale {
// A picture pixel never prints smaller than 1/144 inch, two thirds of its
// size on the screen: element labels, 12 pixels high, then print at 6 points
// at least, the smallest type read comfortably without a magnifier. A design
// that would need less is split over several sheets.
constexpr double kReadablePixelsPerInch = 144;
// Nor larger than 1/24 inch, four times its size on the screen, so that a
// design of a few elements does not turn into a poster of 36-point labels.
constexpr double kLargestPixelsPerInch = 24;
// The blank border kept around the drawing inside the printable area.
constexpr double kMarginInches = 0.125;
} // namespace print_scale

// The part of the drawing a sheet takes: a device pixel is a dot of the
// printer.
struct SheetArea
{
    Size size; // the printable area left for the drawing, in device pixels
    double dotsPerInch = 0;
};

// One printed sheet: the source rectangle of the picture (picture pixels)
// is scaled by `scale` and its top-left corner put at (left, top) of the
// sheet's area (device pixels).
struct PrintSheet
{
    Rect source;
    double scale = 1;
    double left = 0;
    double top = 0;
    // The preview page the sheet shows; -1 for the design.
    int page = -1;
    // Where the sheet lies when the design is split over several.
    int row = 0;
    int column = 0;
};

struct PrintPlan
{
    std::vector<PrintSheet> sheets;
    int rows = 1;
    int columns = 1;
    bool Split() const { return rows > 1 || columns > 1; }
};

// The picture a print shows of the view: its layout mode, page, timer tick
// and element numbers, at zoom 1 from cell (0, 0), without selections or
// drag feedback.
ViewState PrintState(const ViewState& view);

// The design's sheets: one, the drawing fitted into the area with a margin,
// when that is readable; else as many as the drawing needs at a readable
// scale, cut between grid cells, row by row, leaving out the sheets that
// would stay blank. `textMetrics` measures the labels in the picture's font.
PrintPlan PlanDesignSheets(Surface& textMetrics, CVantrelDoc& document, const ViewState& view,
                           const SheetArea& area);

// One sheet for each preview page, its picture of the client size fitted
// into the area.
PrintPlan PlanPageSheets(const CVantrelDoc& document, Size client, const SheetArea& area);

// Draws the sheet's part of the picture in picture pixels; the caller scales
// and clips. The page background, if any, is the page's whole image.
void DrawSheet(Surface& surface, CVantrelDoc& document, const ViewState& view,
               const PrintSheet& sheet, const Image* pageBackground);

// The sheet's name: "sheet I of N", with the sheet's row and column when the
// design is split.
std::u16string SheetName(const PrintPlan& plan, std::size_t index);

// The sheet's footer: "TITLE — sheet I of N", as SheetName.
std::u16string SheetFooter(const std::u16string& title, const PrintPlan& plan, std::size_t index);

} // namespace vantrel
