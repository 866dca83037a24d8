#include "editing/print_layout.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/ink_bounds.h"
#include "editing/schematic_renderer.h"
#include "graphics/surface.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// How far from cell (0, 0) the view can show elements: the scroll range and
// one more screen of elements drawn beyond it. Ink further out is not
// printed (a damaged design could otherwise ask for millions of sheets).
constexpr int kReach = (kScrollLimit + 30) * kCellPixels;
constexpr Rect kReachableArea{-kReach, -kReach, kReach, kReach};

// The ink of the design's elements inside the clip box.
Rect DesignInk(Surface& textMetrics, CVantrelDoc& document, const ViewState& state,
               const Rect& clip)
{
    InkBounds ink(textMetrics, clip);
    ink.SetBrush(Brush::Hollow());
    ink.SetBackgroundMode(BackgroundMode::Transparent);
    DrawDesignElements(ink, document, state, clip);
    return ink.Bounds();
}

struct Fitting
{
    double width; // the area inside the margin, device pixels
    double height;
    double margin;
};

Fitting Inside(const SheetArea& area)
{
    const double margin = print_scale::kMarginInches * area.dotsPerInch;
    return {std::max(area.size.width - 2 * margin, 1.0),
            std::max(area.size.height - 2 * margin, 1.0), margin};
}

// The source fitted into the area, centred, at most at the largest scale.
PrintSheet Fitted(const Rect& source, const SheetArea& area)
{
    const Fitting inside = Inside(area);
    const double largest = area.dotsPerInch / print_scale::kLargestPixelsPerInch;
    const double scale = std::min({inside.width / std::max(source.Width(), 1),
                                   inside.height / std::max(source.Height(), 1), largest});
    return {source, scale, inside.margin + (inside.width - source.Width() * scale) / 2,
            inside.margin + (inside.height - source.Height() * scale) / 2};
}

// The grid line between cells at or before picture pixel p: element anchors
// sit on cell centres, so cutting halfway between them cuts few figures.
int CellBoundaryBefore(int p)
{
    const int half = kCellPixels / 2;
    return int(std::floor(double(p + half) / kCellPixels)) * kCellPixels - half;
}

PrintPlan SplitPlan(Surface& textMetrics, CVantrelDoc& document, const ViewState& state,
                    const Rect& ink, const SheetArea& area)
{
    const Fitting inside = Inside(area);
    const double readable = area.dotsPerInch / print_scale::kReadablePixelsPerInch;
    // Whole cells per sheet at the readable scale, then the scale that fills
    // the sheet with them.
    const int cellsAcross = std::max(1, int(inside.width / readable / kCellPixels));
    const int cellsDown = std::max(1, int(inside.height / readable / kCellPixels));
    const int tileWidth = cellsAcross * kCellPixels;
    const int tileHeight = cellsDown * kCellPixels;
    const double scale = std::min(inside.width / tileWidth, inside.height / tileHeight);
    const int left = CellBoundaryBefore(ink.left);
    const int top = CellBoundaryBefore(ink.top);
    PrintPlan plan;
    plan.columns = (ink.right - left + tileWidth - 1) / tileWidth;
    plan.rows = (ink.bottom - top + tileHeight - 1) / tileHeight;
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            const Rect tile{left + column * tileWidth, top + row * tileHeight,
                            left + (column + 1) * tileWidth, top + (row + 1) * tileHeight};
            if (DesignInk(textMetrics, document, state, tile).IsEmpty())
                continue;
            plan.sheets.push_back({tile, scale, inside.margin, inside.margin, -1, row, column});
        }
    }
    return plan;
}

} // namespace

ViewState PrintState(const ViewState& view)
{
    ViewState state;
    state.layoutMode = view.layoutMode;
    state.currentPage = view.currentPage;
    state.tick = view.tick;
    state.showElementNumbers = view.showElementNumbers;
    return state;
}

PrintPlan PlanDesignSheets(Surface& textMetrics, CVantrelDoc& document, const ViewState& view,
                           const SheetArea& area)
{
    ViewState state = PrintState(view);
    state.layoutMode = LayoutMode::Design;
    const CVantrelDoc::FrozenLookups frozen(document);
    const Rect ink = DesignInk(textMetrics, document, state, kReachableArea);
    if (ink.IsEmpty())
        return {{PrintSheet{}}};
    PrintPlan plan{{Fitted(ink, area)}};
    const double readable = area.dotsPerInch / print_scale::kReadablePixelsPerInch;
    if (plan.sheets.front().scale >= readable)
        return plan;
    return SplitPlan(textMetrics, document, state, ink, area);
}

PrintPlan PlanPageSheets(const CVantrelDoc& document, Size client, const SheetArea& area)
{
    PrintPlan plan;
    for (std::size_t page = 0; page < document.pageBackgrounds.size(); ++page) {
        PrintSheet sheet = Fitted({0, 0, client.width, client.height}, area);
        sheet.page = int(page);
        plan.sheets.push_back(sheet);
    }
    return plan;
}

void DrawSheet(Surface& surface, CVantrelDoc& document, const ViewState& view,
               const PrintSheet& sheet, const Image* pageBackground)
{
    ViewState state = PrintState(view);
    const CVantrelDoc::FrozenLookups frozen(document);
    if (sheet.page < 0) {
        state.layoutMode = LayoutMode::Design;
        const Brush previous = surface.SetBrush(Brush::Hollow());
        surface.SetBackgroundMode(BackgroundMode::Transparent);
        DrawDesignElements(surface, document, state, sheet.source);
        surface.SetBrush(previous);
        return;
    }
    state.layoutMode = LayoutMode::Preview;
    state.currentPage = sheet.page;
    DrawPreviewPicture(surface, document, state, sheet.source, pageBackground);
}

std::u16string SheetName(const PrintPlan& plan, std::size_t index)
{
    const PrintSheet& sheet = plan.sheets.at(index);
    std::u16string name = u"sheet " + Decimal(static_cast<long long>(index) + 1) + u" of " +
                          Decimal(static_cast<long long>(plan.sheets.size()));
    if (plan.Split())
        name += u" (row " + Decimal(static_cast<long long>(sheet.row) + 1) + u", column " +
                Decimal(static_cast<long long>(sheet.column) + 1) + u")";
    return name;
}

std::u16string SheetFooter(const std::u16string& title, const PrintPlan& plan, std::size_t index)
{
    return title + u" \u2014 " + SheetName(plan, index);
}

} // namespace vantrel
