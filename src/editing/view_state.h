#pragma once

#include "editing/command_ids.h"
#include "graphics/geometry.h"
#include "paint/paint_stuff.h"

#include <memory>
#include <optional>
#include <vector>

namespace vantrel {

class LogElement;

enum class LayoutMode
{
    Design = 0,
    Preview = 1,
};

// What the editor view shows and edits, apart from the document itself. The
// selections refer to document objects without owning them.
struct ViewState
{
    int designTool = command::kSelectTool;
    int paintTool = command::kPaintSelect;
    LayoutMode layoutMode = LayoutMode::Design;
    int currentPage = 0;
    int tick = 0;
    bool timerStarted = false;
    bool showElementNumbers = false;
    std::optional<Point> connectionPreviewEnd;
    std::optional<Point> rubberBandCorner;
    std::unique_ptr<PaintStuff> underConstruction;
    Point dragAnchor;
    // Whether the left button went down in the view and is still held, and
    // whether Esc dropped what it started: its moves and its release then do
    // nothing.
    bool leftButtonHeld = false;
    bool gestureDropped = false;
    Point origin;
    double zoom = 1.0;
    std::vector<PaintStuff*> paintSelection;
    std::vector<LogElement*> logicSelection;

    bool InDesign() const { return layoutMode == LayoutMode::Design; }
    // The element size at the current zoom: trunc(20 * zoom).
    int ElementSize() const;
    // A device point to the nearest grid cell, and a cell to its device anchor.
    Point DeviceToCell(Point device) const;
    Point CellToDevice(Point cell) const;
};

} // namespace vantrel
