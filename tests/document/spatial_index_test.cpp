// The spatial index answers what a scan of every element answers: the
// elements at a cell, in a box of cells and with connection lines that may
// run through it, in list order, after any sequence of edits, undo and redo,
// and for cells and boxes anywhere in the 32-bit range.
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "support/random_designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>

namespace vantrel {
namespace {

using Locations = std::vector<ElementLocation>;
constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

// Elements sit at the ends of the range too: a box around one stops there.
std::int32_t Clamped(std::int64_t cell)
{
    return std::int32_t(std::clamp<std::int64_t>(cell, kLowest, kHighest));
}

bool InBox(Point cell, const CellBox& box)
{
    return box.Meets({cell.x, cell.y, cell.x, cell.y});
}

bool ConnectionMeets(const CVantrelDoc& document, const LogElement& element, const CellBox& box)
{
    for (int input = 0; input < std::min(element.InputCount(), kMaxInputs); ++input) {
        const std::int32_t id = element.inputs[std::size_t(input)];
        const LogElement* source = id == 0 ? nullptr : document.FindById(id);
        if (source &&
            CellBox{std::min(element.pos.x, source->pos.x), std::min(element.pos.y, source->pos.y),
                    std::max(element.pos.x, source->pos.x), std::max(element.pos.y, source->pos.y)}
                .Meets(box))
            return true;
    }
    return false;
}

Locations Scan(const CVantrelDoc& document, const CellBox& box, bool withConnections)
{
    Locations found;
    for (int list = 0; list < kElementListCount; ++list)
        for (std::size_t i = 0; i < document.elements[std::size_t(list)].size(); ++i) {
            const LogElement& element = *document.elements[std::size_t(list)][i];
            if (InBox(element.pos, box) ||
                (withConnections && ConnectionMeets(document, element, box)))
                found.push_back({list, int(i)});
        }
    return found;
}

LogElement* ScanAt(const CVantrelDoc& document, Point cell)
{
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            if (element->pos == cell)
                return element.get();
    return nullptr;
}

class SpatialIndexTest : public ::testing::Test
{
protected:
    // Every lookup by place, through the index, against the scan: boxes of
    // every size around random elements and at random places, and a cell of
    // each sampled element (FindAt after a query, when the index is current).
    void ExpectIndexAgreesWithScan(const char* step)
    {
        SCOPED_TRACE(step);
        std::uniform_int_distribution<std::int32_t> anyCell(kLowest, kHighest);
        std::uniform_int_distribution<int> extent(0, 40);
        std::vector<CellBox> boxes = {{kLowest, kLowest, kHighest, kHighest}, {0, 0, 0, 0}};
        for (int i = 0; i < 24; ++i) {
            const Point around = RandomElementCell();
            const int w = extent(random_) * (i % 4 == 0 ? 1000 : 1);
            const int h = extent(random_);
            boxes.push_back(
                {Clamped(std::int64_t{around.x} - w), Clamped(std::int64_t{around.y} - h),
                 Clamped(std::int64_t{around.x} + w), Clamped(std::int64_t{around.y} + h)});
        }
        const std::int32_t x = anyCell(random_);
        boxes.push_back({std::min(x, 0), kLowest, std::max(x, 0), 0});
        for (const CellBox& box : boxes) {
            EXPECT_EQ(document.ElementsInCells(box), Scan(document, box, false));
            EXPECT_EQ(document.ElementsWithConnectionsIn(box), Scan(document, box, true));
        }
        for (int i = 0; i < 24; ++i) {
            const Point cell = i % 2 == 0 ? RandomElementCell() : Point{anyCell(random_), 0};
            EXPECT_EQ(document.FindAt(cell), ScanAt(document, cell));
        }
    }

    Point RandomElementCell()
    {
        std::vector<const LogElement*> all;
        for (const ElementList& list : document.elements)
            for (const auto& element : list)
                all.push_back(element.get());
        if (all.empty())
            return {};
        return all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(random_)]->pos;
    }

    LogElement* RandomElement()
    {
        const Point cell = RandomElementCell();
        return ScanAt(document, cell);
    }

    // One random user edit: move some elements, rewire one, delete some, add
    // one (sometimes far out), or undo or redo a step.
    void RandomEdit()
    {
        std::uniform_int_distribution<int> pick(0, 6);
        std::uniform_int_distribution<int> shift(-50, 50);
        switch (pick(random_)) {
        case 0: {
            EditTransaction edit(document, UndoRecord::kChanged);
            for (int i = 0; i < 5; ++i)
                if (LogElement* element = RandomElement();
                    element && std::abs(std::int64_t(element->pos.x)) < (1 << 30) &&
                    std::abs(std::int64_t(element->pos.y)) < (1 << 30)) {
                    edit.Remember(*element);
                    element->pos.x += shift(random_);
                    element->pos.y += shift(random_);
                }
            edit.Commit();
            break;
        }
        case 1:
            if (LogElement* element = RandomElement(); element && element->InputCount() > 0) {
                EditTransaction edit(document, UndoRecord::kChanged);
                edit.Remember(*element);
                element->inputs[0] = RandomElement()->id;
                edit.Commit();
            }
            break;
        case 2: {
            EditTransaction edit(document, UndoRecord::kDeleted);
            std::vector<std::int32_t> ids;
            for (int i = 0; i < 3; ++i)
                if (const LogElement* element = RandomElement();
                    element && std::ranges::find(ids, element->id) == ids.end()) {
                    edit.Remember(*element);
                    ids.push_back(element->id);
                }
            document.DeleteByIds(ids);
            edit.Commit();
            break;
        }
        case 3: {
            const std::optional<std::int32_t> id = document.TakeElementId();
            const bool far = shift(random_) > 40;
            const Point cell = far ? Point{kHighest - 1, kLowest + 1} : RandomElementCell();
            auto gate = std::make_unique<LogAnd>(Point{cell.x, cell.y + 1}, *id);
            gate->inputs = {RandomElement()->id, 0, 0, 0};
            EditTransaction edit(document, UndoRecord::kAdded);
            edit.Insert(std::move(gate));
            edit.Commit();
            break;
        }
        case 4:
        case 5:
            if (!document.UndoStack().empty())
                document.Undo(restored_);
            break;
        default:
            if (!document.RedoStack().empty())
                document.Redo(restored_);
            break;
        }
    }

    CVantrelDoc document;
    std::mt19937 random_{20261211};
    std::vector<LogElement*> restored_;
};

TEST_F(SpatialIndexTest, AgreesWithAScanAfterRandomEditsUndoAndRedo)
{
    test::FillRandomDesign(document, 7, 1500);
    document.SetModified(false);
    ExpectIndexAgreesWithScan("loaded");
    for (int step = 0; step < 60; ++step) {
        RandomEdit();
        ExpectIndexAgreesWithScan(("step " + std::to_string(step)).c_str());
    }
}

// Cells at the ends of the number range, connections across all of it and
// several elements on one cell (a paste may cover others): the first in list
// order is the one at the cell.
TEST_F(SpatialIndexTest, HoldsCellsAndConnectionsAcrossTheWholeRange)
{
    const Point corners[] = {
        {kLowest, kLowest}, {kHighest, kHighest}, {kLowest, kHighest}, {0, 0}, {-1, -1}, {3, 0},
    };
    std::int32_t id = 1;
    for (const Point cell : corners) {
        auto gate = std::make_unique<LogAnd>(cell, id);
        gate->inputs = {id > 1 ? id - 1 : 0, 1, 0, 0};
        document.elements[kMainList].push_back(std::move(gate));
        ++id;
    }
    document.elements[kMainList].push_back(std::make_unique<LogOr>(Point{3, 0}, id));
    document.SetModified(true);
    ExpectIndexAgreesWithScan("corners");
    EXPECT_EQ(document.ElementsInCells({3, 0, 3, 0}), (Locations{{kMainList, 5}, {kMainList, 6}}));
    EXPECT_EQ(document.FindAt({3, 0}), document.elements[kMainList][5].get());
    // The line from the lowest corner to the highest one runs through the
    // middle of the range, far from both its ends.
    EXPECT_EQ(document.ElementsWithConnectionsIn({1000, 1000, 1000, 1000}),
              (Locations{{kMainList, 1}}));
}

// Elements added or removed straight in the lists, without a change noted,
// are noticed by the lists' sizes: the index never hands out a place that
// is no longer there.
TEST_F(SpatialIndexTest, NoticesListsChangedDirectly)
{
    test::FillRandomDesign(document, 3, 200);
    ExpectIndexAgreesWithScan("filled");
    document.elements[kMainList].resize(document.elements[kMainList].size() / 2);
    ExpectIndexAgreesWithScan("halved");
    document.elements[kMainList].clear();
    ExpectIndexAgreesWithScan("emptied");
}

} // namespace
} // namespace vantrel
