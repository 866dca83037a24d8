#include "editing/canvas_geometry.h"

#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "elements/gates.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

constexpr Size kClient{800, 600};

TEST(CanvasGeometry, CellsAndDevicePointsConvertBothWays)
{
    ViewState state;
    state.origin = {3, -2};
    state.zoom = 0.5;
    EXPECT_EQ(state.CellToDevice({5, 0}), (Point{80, 80}));
    EXPECT_EQ(state.DeviceToCell({80, 80}), (Point{5, 0}));
    EXPECT_EQ(state.DeviceToCell({99, 60}), (Point{5, 0})); // the nearest cell
    EXPECT_EQ(state.DeviceToCell({100, 100}), (Point{6, 1}));
    EXPECT_EQ(state.ElementSize(), 10);
}

TEST(CanvasGeometry, ZoomKeepsTheCentreAndStopsAtItsLimits)
{
    struct Case
    {
        double from;
        double to;
        Point origin; // after starting at (0, 0)
    };
    for (Case c : {Case{1.0, 0.5, {-5, -4}}, Case{1.0, 2.0, {3, 2}}, Case{2.0, 2.0, {0, 0}},
                   Case{0.0625, 0.0625, {0, 0}}}) {
        ViewState state;
        state.zoom = c.from;
        SetZoom(state, c.to, kClient);
        EXPECT_EQ(state.origin, c.origin) << c.from << " -> " << c.to;
        EXPECT_EQ(state.zoom, c.to);
    }
}

TEST(CanvasGeometry, FitSpansTheMainListAndCellZero)
{
    CVantrelDoc document;
    ViewState state;
    FitToMainList(state, document, kClient);
    EXPECT_DOUBLE_EQ(state.zoom, kMaxZoom); // min(800 / 160, 600 / 160) clamped
    EXPECT_EQ(state.origin, (Point{-1, -1}));

    document.elements[kMainList].push_back(std::make_unique<LogAnd>(Point{10, 4}, 1));
    FitToMainList(state, document, kClient);
    EXPECT_DOUBLE_EQ(state.zoom, std::min(800.0 / 960, 600.0 / 480));
    EXPECT_EQ(state.origin, (Point{-1, -1}));

    document.elements[kMainList].push_back(std::make_unique<LogAnd>(Point{-500, 3000}, 2));
    FitToMainList(state, document, kClient);
    EXPECT_DOUBLE_EQ(state.zoom, kMinZoom);
    EXPECT_EQ(state.origin, (Point{-501, -1}));
}

TEST(CanvasGeometry, AnOpenedDesignStartsWhereItsElementsShow)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<int, Point>> elements; // list kind, cell
        double zoom;
        Point origin;
    };
    const Case cases[] = {
        {"empty", {}, 1.0, {0, 0}},
        {"inside the first screen", {{kMainList, {1, 1}}, {kMainList, {9, 7}}}, 1.0, {0, 0}},
        // The anchors are what must show: cell 10 is at the right edge.
        {"past the last column", {{kMainList, {10, 0}}}, 1.0, {9, -1}},
        {"left of cell 0", {{kMainList, {-3, 2}}, {kMainList, {4, 5}}}, 1.0, {-4, 1}},
        {"far away", {{kMainList, {300, 200}}}, 1.0, {299, 199}},
        {"another list far away",
         {{kMainList, {2, 2}}, {kRegisterList, {2, 40}}},
         600.0 / 3200,
         {1, 1}},
        {"wider than the zoom range",
         {{kMainList, {-5000, 0}}, {kMainList, {5000, 0}}},
         kMinZoom,
         {-5001, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CVantrelDoc document;
        std::int32_t id = 0;
        for (const auto& [list, cell] : c.elements)
            document.elements[std::size_t(list)].push_back(std::make_unique<LogAnd>(cell, ++id));
        ViewState state;
        state.zoom = 2.0;
        state.origin = {-77, 55};
        ShowWholeDesign(state, document, kClient);
        EXPECT_DOUBLE_EQ(state.zoom, c.zoom);
        EXPECT_EQ(state.origin, c.origin);
    }
}

TEST(CanvasGeometry, ScrollRequestsFollowTheStepAndPageRules)
{
    struct Case
    {
        ScrollRequest request;
        double zoom;
        int origin;
        int expected;
    };
    for (Case c :
         {Case{ScrollRequest::LineForward, 0.25, 0, 4}, Case{ScrollRequest::LineBack, 2.0, 0, -1},
          Case{ScrollRequest::LineBack, 0.25, -598, -600},
          Case{ScrollRequest::PageForward, 1.0, 0, 10},
          Case{ScrollRequest::PageForward, 1.0, 595, 600},
          Case{ScrollRequest::ToStart, 1.0, 7, -600}, Case{ScrollRequest::ToEnd, 1.0, 7, 600},
          Case{ScrollRequest::Track, 1.0, 7, 33}, Case{ScrollRequest::Other, 1.0, 7, 7}})
        EXPECT_EQ(ScrolledOrigin(c.origin, c.request, c.zoom, 800, 33), c.expected)
            << int(c.request) << " at zoom " << c.zoom;
}

TEST(CanvasGeometry, PreviewPagesCountAndTurn)
{
    CVantrelDoc document;
    ViewState state;
    EXPECT_FALSE(PageLeft(state));
    EXPECT_FALSE(PageRight(document, state));
    EXPECT_FALSE(SetPageCount(document, state, 0));
    EXPECT_TRUE(SetPageCount(document, state, 3));
    EXPECT_EQ(document.pageBackgrounds.size(), 3u);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_FALSE(PageRight(document, state));
    EXPECT_TRUE(PageLeft(state));
    EXPECT_EQ(state.currentPage, 1);
    // The count is saved with the design: a change of it is one to save.
    EXPECT_TRUE(document.IsModified());
}

// Pages dropped with their images come back with them.
TEST(CanvasGeometry, PageCountChangeIsOneUndoStep)
{
    CVantrelDoc document;
    ViewState state;
    const std::vector<std::uint8_t> image{1, 2, 3};
    document.pageBackgrounds = {EncodedImage{}, EncodedImage(image), EncodedImage(image)};
    document.SetModified(false);
    ASSERT_TRUE(SetPageCount(document, state, 1));
    EXPECT_EQ(document.pageBackgrounds.size(), 1u);
    ASSERT_EQ(document.UndoStack().size(), 1u);

    std::vector<LogElement*> selection;
    document.Undo(selection);
    ASSERT_EQ(document.pageBackgrounds.size(), 3u);
    const auto restored = document.pageBackgrounds[2].Bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(restored.begin(), restored.end()), image);
    EXPECT_FALSE(document.IsModified());
}

} // namespace
} // namespace vantrel
