#include "editing/canvas_geometry.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/view_state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vantrel {

int ClampedOrigin(double cell)
{
    constexpr auto kOriginLimit = double(1 << 30);
    return int(std::clamp(cell, -kOriginLimit, kOriginLimit));
}

int VisibleCells(int extent, double zoom)
{
    return int(extent / (kCellPixels * zoom));
}

std::optional<CellBox> CellsReaching(const ViewState& state, const Rect& client, int margin)
{
    const double pitch = kCellPixels * state.zoom;
    // Anchors are clamped to the device coordinate range: near its edge a
    // far-off cell may land on the area, so no box of cells bounds it.
    constexpr double kTrusted = kDeviceCoordinateLimit / 2;
    const bool bounded = std::isfinite(pitch) && pitch > 0 &&
                         std::max({std::abs(double(client.left)), std::abs(double(client.right)),
                                   std::abs(double(client.top)), std::abs(double(client.bottom))}) +
                                 margin <
                             kTrusted;
    if (!bounded)
        return std::nullopt;
    auto cell = [](double value) {
        return std::int32_t(std::clamp(value, double(std::numeric_limits<std::int32_t>::min()),
                                       double(std::numeric_limits<std::int32_t>::max())));
    };
    return CellBox{cell(std::floor(state.origin.x + (client.left - margin) / pitch) - 1),
                   cell(std::floor(state.origin.y + (client.top - margin) / pitch) - 1),
                   cell(std::ceil(state.origin.x + (client.right + margin) / pitch) + 1),
                   cell(std::ceil(state.origin.y + (client.bottom + margin) / pitch) + 1)};
}

void SetZoom(ViewState& state, double zoom, Size client)
{
    state.origin.x +=
        VisibleCells(client.width, state.zoom) / 2 - VisibleCells(client.width, zoom) / 2;
    state.origin.y +=
        VisibleCells(client.height, state.zoom) / 2 - VisibleCells(client.height, zoom) / 2;
    state.zoom = zoom;
}

void FitCells(ViewState& state, Point first, Point last, Size client, double maxZoom)
{
    const double zoomX = client.width / ((std::abs(double(last.x) - first.x) + 2) * kCellPixels);
    const double zoomY = client.height / ((std::abs(double(last.y) - first.y) + 2) * kCellPixels);
    state.zoom = std::clamp(std::min(zoomX, zoomY), kMinZoom, maxZoom);
    state.origin = {ClampedOrigin(double(first.x) - 1), ClampedOrigin(double(first.y) - 1)};
}

void FitToMainList(ViewState& state, CVantrelDoc& document, Size client)
{
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const auto& element : document.elements[kMainList]) {
        minX = std::min(minX, element->pos.x);
        maxX = std::max(maxX, element->pos.x);
        minY = std::min(minY, element->pos.y);
        maxY = std::max(maxY, element->pos.y);
    }
    FitCells(state, {minX, minY}, {maxX, maxY}, client, kMaxZoom);
}

void ShowWholeDesign(ViewState& state, CVantrelDoc& document, Size client)
{
    state.zoom = 1.0;
    state.origin = {0, 0};
    bool any = false;
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const ElementList& list : document.elements)
        for (const auto& element : list) {
            const double x = element->pos.x;
            const double y = element->pos.y;
            minX = any ? std::min(minX, x) : x;
            maxX = any ? std::max(maxX, x) : x;
            minY = any ? std::min(minY, y) : y;
            maxY = any ? std::max(maxY, y) : y;
            any = true;
        }
    const bool shownFromOrigin = minX >= 0 && minY >= 0 && maxX * kCellPixels < client.width &&
                                 maxY * kCellPixels < client.height;
    if (!any || shownFromOrigin)
        return;
    FitCells(state, {int(minX), int(minY)}, {int(maxX), int(maxY)}, client, 1.0);
}

int ScrolledOrigin(int origin, ScrollRequest request, double zoom, int extent, int trackPosition)
{
    const double step = std::max(1.0, 1.0 / zoom);
    const int page = VisibleCells(extent, zoom);
    switch (request) {
    case ScrollRequest::LineBack:
        return int(std::max(origin - step, double(-kScrollLimit)));
    case ScrollRequest::LineForward:
        return int(std::min(origin + step, double(kScrollLimit)));
    case ScrollRequest::PageBack:
        return std::max(origin - page, -kScrollLimit);
    case ScrollRequest::PageForward:
        return std::min(origin + page, kScrollLimit);
    case ScrollRequest::Track:
        return trackPosition;
    case ScrollRequest::ToStart:
        return -kScrollLimit;
    case ScrollRequest::ToEnd:
        return kScrollLimit;
    case ScrollRequest::Other:
        break;
    }
    return origin;
}

bool SetPageCount(CVantrelDoc& document, ViewState& state, int count)
{
    if (count <= 0)
        return false;
    // Pages past the count go with their images: an undoable change of the
    // design like any other, which the save question then asks about.
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kBackground);
    document.pageBackgrounds.resize(std::size_t(count));
    edit.Commit();
    state.currentPage = count - 1;
    return true;
}

bool PageLeft(ViewState& state)
{
    if (state.currentPage <= 0)
        return false;
    --state.currentPage;
    return true;
}

bool PageRight(CVantrelDoc& document, ViewState& state)
{
    if (state.currentPage >= int(document.pageBackgrounds.size()) - 1)
        return false;
    ++state.currentPage;
    return true;
}

} // namespace vantrel
