#include "editing/schematic_renderer.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/marker_partners.h"
#include "editing/paint_layer.h"
#include "editing/textless_surface.h"
#include "editing/view_state.h"
#include "elements/element_drawing.h"
#include "graphics/surface.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

namespace vantrel {

namespace {

// Elements whose anchor lies further outside the client area are not drawn.
constexpr int kVisibilityMargin = 200;

// Whether the line from a to b, at most 2 pixels wide, may ink a pixel of
// the client area: lines wholly to one side of it are not worth stroking.
bool MayCross(Point a, Point b, const Rect& client)
{
    constexpr int kPenReach = 2;
    return std::max(a.x, b.x) >= client.left - kPenReach &&
           std::min(a.x, b.x) <= client.right + kPenReach &&
           std::max(a.y, b.y) >= client.top - kPenReach &&
           std::min(a.y, b.y) <= client.bottom + kPenReach;
}

// Draws a line from each connected input to its source's output pin and
// tells whether every input is connected.
bool DrawConnections(Surface& surface, CVantrelDoc& document, const LogElement& element,
                     const ViewState& state, const Rect& client, int r)
{
    bool connected = true;
    for (int i = 0; i < std::min(element.InputCount(), kMaxInputs); ++i) {
        const std::int32_t id = element.inputs[std::size_t(i)];
        LogElement* source = id == 0 ? nullptr : document.FindById(id);
        if (!source) {
            connected = false;
            continue;
        }
        const Point from = element.InputPinPos(r, i, state.origin, state.zoom);
        const Point to = source->OutputPinPos(r, state.origin, state.zoom);
        if (!MayCross(from, to, client))
            continue;
        surface.MoveTo(from.x, from.y);
        surface.LineTo(to.x, to.y);
    }
    return connected;
}

using Selection = std::unordered_set<const LogElement*>;

// What sets an element's pen apart besides its own state.
struct Highlights
{
    Selection selected;
    Selection partners;
    const ElementIdSet& loops;
};

Pen PenFor(const Highlights& highlights, const LogElement& element, bool connected)
{
    if (highlights.selected.contains(&element))
        return Pen::Solid(2, design_pens::kSelected);
    if (highlights.partners.contains(&element))
        return Pen::Solid(2, design_pens::kMarkerPartner);
    if (!connected)
        return Pen::Solid(2, design_pens::kOpenInput);
    if (highlights.loops.contains(element.id))
        return Pen::Solid(1, design_pens::kLoop);
    return Pen::Solid(design_pens::kNormalWidth, design_pens::kNormal);
}

bool Visible(Point anchor, const Rect& client)
{
    return client.left - kVisibilityMargin < anchor.x &&
           anchor.x < client.right + kVisibilityMargin &&
           client.top - kVisibilityMargin < anchor.y &&
           anchor.y < client.bottom + kVisibilityMargin;
}

// A dashed frame a little outside the marker's figure and label, so a
// partner stands out even where the wires around it are dense.
void DrawPartnerFrame(Surface& surface, Point anchor, int r)
{
    const Pen previous = surface.SetPen(Pen::Dashed(design_pens::kMarkerPartner));
    const int margin = r / 4 + 2;
    surface.DrawRectangle(anchor.x - r - margin, anchor.y - r - margin, anchor.x + r + margin,
                          anchor.y + r + margin);
    surface.SetPen(previous);
}

void DrawRubberBand(Surface& surface, const ViewState& state)
{
    if (!state.rubberBandCorner)
        return;
    const Pen previous = surface.SetPen(Pen::Dashed(0));
    surface.DrawRectangle(state.dragAnchor.x, state.dragAnchor.y, state.rubberBandCorner->x,
                          state.rubberBandCorner->y);
    surface.SetPen(previous);
}

// The elements to consider for the picture, in list order: those the
// spatial index finds near the client area with the lines that may cross it,
// or every element.
std::vector<ElementLocation> ElementsToVisit(const CVantrelDoc& document, const ViewState& state,
                                             const Rect& client, DesignWalk walk)
{
    if (walk == DesignWalk::Indexed)
        if (const std::optional<CellBox> cells = CellsReaching(state, client, kVisibilityMargin))
            return document.ElementsWithConnectionsIn(*cells);
    std::vector<ElementLocation> every;
    for (int list = 0; list < kElementListCount; ++list)
        for (std::size_t i = 0; i < document.elements[std::size_t(list)].size(); ++i)
            every.push_back({list, int(i)});
    return every;
}

} // namespace

void DrawDesignElements(Surface& surface, CVantrelDoc& document, const ViewState& state,
                        const Rect& client, DesignWalk walk)
{
    const int r = state.ElementSize();
    // Texts keep their size at every zoom. Below zoom 1 they crowd into a
    // grey smear once an element (2r high) is lower than a line of text; the
    // figures are drawn without them then.
    TextlessSurface textless(surface);
    const bool legible = r >= ElementSize(1.0) || 2 * r >= surface.TextExtent(u"0").height;
    Surface& canvas = legible ? surface : textless;
    const Highlights highlights{Selection(state.logicSelection.begin(), state.logicSelection.end()),
                                MarkerPartners(document, state.logicSelection), document.LoopSet()};
    for (const ElementLocation& location : ElementsToVisit(document, state, client, walk)) {
        const LogElement& element = *document.ElementAt(location);
        const bool connected = DrawConnections(canvas, document, element, state, client, r);
        const Point anchor = state.CellToDevice(element.pos);
        if (!Visible(anchor, client))
            continue;
        const Pen previousPen = canvas.SetPen(PenFor(highlights, element, connected));
        DrawElementWithPins(canvas, document, element, anchor.x, anchor.y, r);
        canvas.SetPen(previousPen);
        if (highlights.partners.contains(&element))
            DrawPartnerFrame(canvas, anchor, r);
        if (state.showElementNumbers)
            canvas.DrawText(anchor.x, anchor.y,
                            Decimal(static_cast<long long>(location.position) + 1));
    }
}

void DrawDesignPicture(Surface& surface, CVantrelDoc& document, const ViewState& state,
                       const Rect& client)
{
    surface.FillRectangle(client, Rgb(255, 255, 255));
    const Brush previousBrush = surface.SetBrush(Brush::Hollow());
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    DrawDesignElements(surface, document, state, client);
    if (state.connectionPreviewEnd) {
        surface.MoveTo(state.dragAnchor.x, state.dragAnchor.y);
        surface.LineTo(state.connectionPreviewEnd->x, state.connectionPreviewEnd->y);
    }
    DrawRubberBand(surface, state);
    surface.DrawText(client.right - 180, client.bottom - 20,
                     Decimal(document.MainCount()) + u" logic elements V" +
                         Decimal(document.RequiredDesignVersion()));
    surface.SetBrush(previousBrush);
}

void DrawPreviewPicture(Surface& surface, CVantrelDoc& document, const ViewState& state,
                        const Rect& client, const Image* scaledBackground)
{
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    const Brush previousBrush = surface.SetBrush(Brush::Hollow());
    if (scaledBackground && !scaledBackground->IsEmpty())
        surface.DrawImageStretched(*scaledBackground, client);
    else
        surface.FillRectangle(client, document.backgroundColour);
    DrawPaintLayer(surface, document, state, client);
    DrawRubberBand(surface, state);
    surface.SetBrush(previousBrush);
    surface.DrawText(client.right - 100, client.bottom - 20,
                     u"Page " + Decimal(static_cast<long long>(state.currentPage) + 1) + u" / " +
                         Decimal(static_cast<long long>(document.pageBackgrounds.size())));
}

void DrawViewPicture(Surface& surface, CVantrelDoc& document, const ViewState& state,
                     const Rect& client, const Image* scaledBackground)
{
    const CVantrelDoc::FrozenLookups frozen(
        document, CVantrelDoc::FrozenLookups::IndexUse::KeepWhenUnchanged);
    if (state.InDesign())
        DrawDesignPicture(surface, document, state, client);
    else
        DrawPreviewPicture(surface, document, state, client, scaledBackground);
}

} // namespace vantrel
