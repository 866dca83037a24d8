// Elements whose cells come from a file at the very edges of the int range:
// drawing, fitting, finding, moving and replicating them stay within int
// (the sanitizer build checks there is no overflow on the way).
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/element_search.h"
#include "editing/replicate.h"
#include "editing/schematic_renderer.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class ExtremeCells : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto far = std::make_unique<LogAnd>(Point{kMax, kMax}, 1);
        far->inputs = {2, 3};
        design.InsertElement(std::move(far));
        design.InsertElement(std::make_unique<LogAnd>(Point{kMin, kMin}, 2));
        auto near = std::make_unique<LogAnd>(Point{2, 2}, 3);
        near->inputs = {1, 2};
        design.InsertElement(std::move(near));
        design.nextElementId = 4;
    }

    void Render(const ViewState& state)
    {
        test::RecordingSurface surface;
        DrawViewPicture(surface, design, state, {0, 0, 800, 600}, nullptr);
        EXPECT_FALSE(surface.Calls("LineTo").empty());
    }

    LogElement& Element(std::int32_t id) { return *design.FindDirectById(id); }

    CVantrelDoc design;
};

TEST_F(ExtremeCells, ViewPositionsAreClampedFarOutsideTheWindow)
{
    for (const double zoom : {kMinZoom, 1.0, kMaxZoom}) {
        const Point far = CellToView({kMax, kMax}, {-kScrollLimit, -kScrollLimit}, zoom);
        const Point near = CellToView({kMin, kMin}, {kScrollLimit, kScrollLimit}, zoom);
        EXPECT_EQ(far, (Point{1 << 28, 1 << 28}));
        EXPECT_EQ(near, (Point{-(1 << 28), -(1 << 28)}));
        const int r = ElementSize(zoom);
        EXPECT_GT(Element(1).OutputPinPos(r, {-kScrollLimit, 0}, zoom).x, 1 << 27);
        EXPECT_LT(Element(2).InputPinPos(r, 1, {kScrollLimit, 0}, zoom).x, -(1 << 27));
        EXPECT_EQ(Element(1).HitPin({10, 10}, {0, 0}, zoom), 0);
    }
}

TEST_F(ExtremeCells, RenderAtEveryViewThatReachesThem)
{
    ViewState state;
    Render(state);
    FitToMainList(state, design, {800, 600});
    EXPECT_EQ(state.origin, (Point{kMin / 2, kMin / 2}));
    Render(state);
    for (const std::int32_t id : {1, 2, 3}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(ShowFoundElement(design, state, id, {800, 600}));
        Render(state);
        const Point cell = state.DeviceToCell({799, 599});
        EXPECT_GE(std::int64_t(cell.x), std::int64_t(state.origin.x));
    }
}

TEST_F(ExtremeCells, MovesAndReplicasPastTheEdgeAreRefused)
{
    ViewState state;
    state.logicSelection = {&Element(1), &Element(3)};
    EXPECT_FALSE(MoveLogicSelection(design, state, 1, 0));
    EXPECT_FALSE(MoveLogicSelection(design, state, 0, 1));
    EXPECT_EQ(Element(3).pos, (Point{2, 2}));
    EXPECT_TRUE(MoveLogicSelection(design, state, -1, -1));
    EXPECT_EQ(Element(1).pos, (Point{kMax - 1, kMax - 1}));

    state.logicSelection = {&Element(2)};
    EXPECT_FALSE(MoveLogicSelection(design, state, 0, -1));
    EXPECT_FALSE(ReplicateSelected(design, state));
    EXPECT_EQ(design.nextElementId, 4);
}

} // namespace
} // namespace vantrel
