#include "editing/comparison_marks.h"

#include "compare/design_comparison.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/ink_bounds.h"
#include "editing/tinted_surface.h"
#include "editing/view_state.h"
#include "elements/element_drawing.h"
#include "graphics/surface.h"

#include <algorithm>

namespace vantrel {

namespace {

using Kind = DesignChange::Kind;

// The element of that id standing on that cell, or none.
const LogElement* ElementAt(const CVantrelDoc& document, std::int32_t id, Point cell)
{
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            if (element && element->id == id && element->pos == cell)
                return element.get();
    return nullptr;
}

const PaintStuff* PaintAt(const CVantrelDoc& document, std::optional<std::size_t> position)
{
    if (!position || *position >= document.paintObjects.size())
        return nullptr;
    return document.paintObjects[*position].get();
}

void DrawFrame(Surface& surface, Rect box, Colour colour)
{
    const Pen previous = surface.SetPen(Pen::Solid(comparison_pens::kFrameWidth, colour));
    surface.DrawRectangle(box.left, box.top, box.right, box.bottom);
    surface.SetPen(previous);
}

// A frame around an element's figure with its pins, clear of its pen.
Rect ElementFrame(Point anchor, int r)
{
    const int reach = r + r / 2 + 2;
    return {anchor.x - reach, anchor.y - reach, anchor.x + reach + 1, anchor.y + reach + 1};
}

void DrawMovedLine(Surface& surface, Point from, Point to, int r)
{
    const Pen previous = surface.SetPen(Pen::Solid(1, comparison_pens::kChanged));
    const int dot = std::max(2, r / 5);
    surface.DrawEllipse(from.x - dot, from.y - dot, from.x + dot + 1, from.y + dot + 1);
    surface.MoveTo(from.x, from.y);
    surface.LineTo(to.x, to.y);
    surface.SetPen(previous);
}

// Draws a figure that is gone as a faded red ghost of itself, texts
// included, leaving the surface's pen and text colour as they were.
template <class Draw> void DrawGhost(Surface& surface, Draw draw)
{
    TintedSurface ghost(surface, comparison_pens::kRemoved);
    const Pen previousPen = ghost.SetPen(Pen::Solid(1, comparison_pens::kRemoved));
    const Colour previousText = ghost.SetTextColour(comparison_pens::kRemoved);
    draw(ghost);
    surface.SetTextColour(previousText);
    surface.SetPen(previousPen);
}

void DrawElementMark(Surface& surface, const CVantrelDoc& before,
                     const ElementDifference& difference, const ViewState& state)
{
    const int r = state.ElementSize();
    if (difference.kind == Kind::Removed) {
        const LogElement* gone = difference.beforeCell
                                     ? ElementAt(before, difference.id, *difference.beforeCell)
                                     : nullptr;
        if (!gone)
            return;
        const Point anchor = state.CellToDevice(gone->pos);
        DrawGhost(surface, [&](Surface& ghost) {
            DrawElementWithPins(ghost, before, *gone, anchor.x, anchor.y, r);
        });
        return;
    }
    if (!difference.afterCell)
        return;
    const Point anchor = state.CellToDevice(*difference.afterCell);
    if (difference.kind == Kind::Added) {
        DrawFrame(surface, ElementFrame(anchor, r), comparison_pens::kAdded);
        return;
    }
    if (difference.moved && difference.beforeCell)
        DrawMovedLine(surface, state.CellToDevice(*difference.beforeCell), anchor, r);
    DrawFrame(surface, ElementFrame(anchor, r), comparison_pens::kChanged);
}

// The box the object inks on the client area, a little grown.
Rect PaintFrame(Surface& surface, const PaintStuff& object, const Rect& client)
{
    InkBounds ink(surface, client);
    object.Draw(ink, client, 0, 0, object.progressMax / 3);
    Rect box = ink.Bounds();
    constexpr int kMargin = 3;
    if (!box.IsEmpty())
        box = {box.left - kMargin, box.top - kMargin, box.right + kMargin, box.bottom + kMargin};
    return box;
}

void DrawPaintMark(Surface& surface, const CVantrelDoc& before, const CVantrelDoc& after,
                   const PaintDifference& difference, const ViewState& state, const Rect& client)
{
    if (difference.kind == Kind::Removed) {
        const PaintStuff* gone = PaintAt(before, difference.before);
        if (gone && gone->pageIndex == state.currentPage)
            DrawGhost(surface, [&](Surface& ghost) {
                gone->Draw(ghost, client, 0, 0, gone->progressMax / 3);
            });
        return;
    }
    const PaintStuff* object = PaintAt(after, difference.after);
    if (!object || object->pageIndex != state.currentPage)
        return;
    const Rect box = PaintFrame(surface, *object, client);
    if (!box.IsEmpty())
        DrawFrame(surface, box,
                  difference.kind == Kind::Added ? comparison_pens::kAdded
                                                 : comparison_pens::kChanged);
}

} // namespace

void DrawComparisonMarks(Surface& surface, const CVantrelDoc& before, const CVantrelDoc& after,
                         const DesignComparison& comparison, const ViewState& state,
                         const Rect& client)
{
    const CVantrelDoc::FrozenLookups frozen(before);
    const Brush previousBrush = surface.SetBrush(Brush::Hollow());
    const BackgroundMode previousMode = surface.SetBackgroundMode(BackgroundMode::Transparent);
    if (state.InDesign()) {
        for (const ElementDifference& difference : comparison.elements)
            DrawElementMark(surface, before, difference, state);
    } else {
        for (const PaintDifference& difference : comparison.paint)
            DrawPaintMark(surface, before, after, difference, state, client);
    }
    surface.SetBackgroundMode(previousMode);
    surface.SetBrush(previousBrush);
}

bool FitToComparison(ViewState& state, const DesignComparison& comparison, Size client)
{
    std::optional<Point> first;
    Point last;
    for (const ElementDifference& difference : comparison.elements)
        for (const std::optional<Point>& cell : {difference.beforeCell, difference.afterCell}) {
            if (!cell)
                continue;
            last = first ? Point{std::max(last.x, cell->x), std::max(last.y, cell->y)} : *cell;
            first = first ? Point{std::min(first->x, cell->x), std::min(first->y, cell->y)} : *cell;
        }
    if (!first)
        return false;
    FitCells(state, *first, last, client, 1.0);
    return true;
}

} // namespace vantrel
