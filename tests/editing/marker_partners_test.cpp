#include "editing/marker_partners.h"

#include "document/vantrel_doc.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "elements/indirect_elements.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

// Two In Markers, three Out Markers of the first (one numeric), one of the
// second, and one whose In Marker is gone.
class MarkerPartnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        inA = Add(std::make_unique<LogStartMarker>(Point{0, 0}, 1, u"A"));
        inB = Add(std::make_unique<LogStartMarker>(Point{0, 2}, 2, u"B"));
        outA1 = Add(std::make_unique<LogEndMarker>(Point{3, 0}, 3, 1));
        outA2 = Add(std::make_unique<NLEndMarker>(Point{3, 1}, 4, 1));
        outA3 = Add(std::make_unique<LogEndMarker>(Point{3, 3}, 5, 1));
        outB = Add(std::make_unique<LogEndMarker>(Point{3, 2}, 6, 2));
        orphan = Add(std::make_unique<LogEndMarker>(Point{3, 4}, 7, 99));
    }

    LogElement* Add(std::unique_ptr<LogElement> element)
    {
        LogElement* raw = element.get();
        document.elements[kIndirectList].push_back(std::move(element));
        return raw;
    }

    using Set = std::unordered_set<const LogElement*>;
    Set Partners(const std::vector<LogElement*>& selection)
    {
        return MarkerPartners(document, selection);
    }

    CVantrelDoc document;
    LogElement *inA, *inB, *outA1, *outA2, *outA3, *outB, *orphan;
};

TEST_F(MarkerPartnerTest, LinkOutMarkersToTheirInMarkerBothWays)
{
    EXPECT_EQ(Partners({inA}), (Set{outA1, outA2, outA3}));
    EXPECT_EQ(Partners({outA2}), (Set{inA}));
    EXPECT_EQ(Partners({outB, inB}), Set{});
    EXPECT_EQ(Partners({inA, outA1}), (Set{outA2, outA3}));
    EXPECT_EQ(Partners({outA1, outB}), (Set{inA, inB}));
    EXPECT_EQ(Partners({orphan}), Set{});
}

TEST_F(MarkerPartnerTest, PartnersAreDrawnInTheirOwnPenInsideADashedFrame)
{
    ViewState state;
    state.logicSelection = {outB};
    test::RecordingSurface surface;
    DrawDesignPicture(surface, document, state, {0, 0, 800, 600});
    const std::vector<std::string>& calls = surface.Calls();

    // In Marker B's anchor is cell (0, 2): (0, 160) at zoom 1, r = 20.
    const auto body =
        std::ranges::find(calls, "DrawPolygon(20,150 20,160 -10,160 -20,155 -10,150)");
    ASSERT_NE(body, calls.end());
    const auto pen = std::find_if(std::make_reverse_iterator(body), calls.rend(),
                                  [](auto& call) { return call.rfind("SetPen(Solid", 0) == 0; });
    EXPECT_EQ(*pen, "SetPen(Solid,2,#c000c0)");
    EXPECT_EQ(std::ranges::count(calls, "SetPen(Dash,1,#c000c0)"), 1);
    EXPECT_EQ(std::ranges::count(calls, "DrawRectangle(-27,133,27,187)"), 1);
}

} // namespace
} // namespace vantrel
