// The design picture drawn through the spatial index makes exactly the
// drawing calls of the picture that walks every element, in the same order:
// random designs, at every zoom, at places in the middle and at the edges
// of the design, with selections, marker partners and element numbers, and
// after edits that move, rewire and delete between frames.
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "support/random_designs.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <random>

namespace vantrel {
namespace {

// A random design folded into a block of 50 x 30 cells, so that views show
// many elements (several on one cell, drawn over each other) and many lines.
void FillDenseDesign(CVantrelDoc& document, std::uint32_t seed, int elements)
{
    test::FillRandomDesign(document, seed, elements);
    for (ElementList& list : document.elements)
        for (auto& element : list)
            element->pos = {element->pos.x % 50, element->pos.y % 30};
}

std::vector<std::string> Picture(CVantrelDoc& document, const ViewState& state, const Rect& client,
                                 DesignWalk walk)
{
    test::RecordingSurface surface;
    surface.SetBrush(Brush::Hollow());
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    DrawDesignElements(surface, document, state, client, walk);
    return surface.Calls();
}

void ExpectSamePicture(CVantrelDoc& document, const ViewState& state, const Rect& client)
{
    SCOPED_TRACE(testing::Message()
                 << "zoom " << state.zoom << " origin " << state.origin.x << "," << state.origin.y
                 << " client " << client.right << "x" << client.bottom);
    const std::vector<std::string> indexed = Picture(document, state, client, DesignWalk::Indexed);
    const std::vector<std::string> whole = Picture(document, state, client, DesignWalk::Whole);
    EXPECT_EQ(indexed.size(), whole.size());
    EXPECT_TRUE(indexed == whole);
}

TEST(IndexedPicture, MakesTheCallsOfTheWholeWalk)
{
    std::mt19937 random(4711);
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        CVantrelDoc document;
        FillDenseDesign(document, seed, 600);
        ViewState state;
        for (std::size_t i = 0; i < document.elements[kMainList].size(); i += 7)
            state.logicSelection.push_back(document.elements[kMainList][i].get());
        state.showElementNumbers = seed == 2;
        const Rect clients[] = {{0, 0, 800, 600}, {0, 0, 1, 1}, {-300, -200, 2500, 1700}};
        for (const double zoom : {0.0625, 0.25, 0.5, 1.0, 1.5, 2.0, 7.0})
            for (const Rect& client : clients)
                for (int place = 0; place < 3; ++place) {
                    state.zoom = zoom;
                    const int x = std::uniform_int_distribution<int>(-40, 60)(random);
                    const int y = std::uniform_int_distribution<int>(-40, 40)(random);
                    state.origin = {x, y};
                    ExpectSamePicture(document, state, client);
                }
    }
}

TEST(IndexedPicture, FollowsEditsBetweenFrames)
{
    CVantrelDoc document;
    FillDenseDesign(document, 9, 400);
    ViewState state;
    state.origin = {10, 5};
    state.zoom = 0.5;
    const Rect client{0, 0, 1280, 800};
    ExpectSamePicture(document, state, client);

    ElementList& main = document.elements[kMainList];
    {
        EditTransaction edit(document, UndoRecord::kChanged);
        for (std::size_t i = 0; i < main.size(); i += 5) {
            edit.Remember(*main[i]);
            main[i]->pos = {state.origin.x + int(i % 30), state.origin.y + int(i % 20)};
            main[i]->inputs[0] = main[(i * 31) % main.size()]->id;
        }
        edit.Commit();
    }
    ExpectSamePicture(document, state, client);

    std::vector<LogElement*> restored;
    document.Undo(restored);
    ExpectSamePicture(document, state, client);
    document.Redo(restored);
    ExpectSamePicture(document, state, client);

    {
        EditTransaction edit(document, UndoRecord::kDeleted);
        std::vector<std::int32_t> ids;
        for (std::size_t i = 0; i < main.size(); i += 4) {
            edit.Remember(*main[i]);
            ids.push_back(main[i]->id);
        }
        document.DeleteByIds(ids);
        edit.Commit();
    }
    ExpectSamePicture(document, state, client);
}

} // namespace
} // namespace vantrel
