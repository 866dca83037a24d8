#include "compare/element_merge.h"
#include "elements/log_element.h"

#include <cstdlib>
#include <limits>
#include <optional>
#include <unordered_set>

namespace vantrel {

namespace {

using CellKey = std::uint64_t;

CellKey KeyOf(Point cell)
{
    return (std::uint64_t(std::uint32_t(cell.x)) << 32) | std::uint32_t(cell.y);
}

std::string CellText(Point cell)
{
    return std::to_string(cell.x) + ',' + std::to_string(cell.y);
}

std::optional<Point> CellAt(std::int64_t x, std::int64_t y)
{
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    if (x < kLow || x > kHigh || y < kLow || y > kHigh)
        return std::nullopt;
    return Point{int(x), int(y)};
}

// The free cell nearest to `wanted`, ring by ring around it, each ring row
// by row: the same cell for the same design on every run.
Point NearestFreeCell(Point wanted, const std::unordered_set<CellKey>& taken)
{
    for (std::int64_t ring = 1;; ++ring)
        for (std::int64_t dy = -ring; dy <= ring; ++dy)
            for (std::int64_t dx = -ring; dx <= ring; ++dx) {
                if (std::abs(dx) != ring && std::abs(dy) != ring)
                    continue;
                const std::optional<Point> cell = CellAt(wanted.x + dx, wanted.y + dy);
                if (cell && !taken.contains(KeyOf(*cell)))
                    return *cell;
            }
}

} // namespace

void SeparateCells(std::vector<MergedElement>& elements, MergeConflicts& conflicts)
{
    std::unordered_set<CellKey> taken;
    std::unordered_set<CellKey> oursHolds;
    for (const MergedElement& merged : elements) {
        taken.insert(KeyOf(merged.element->pos));
        if (!merged.addedByTheirs && !merged.movedByTheirs)
            oursHolds.insert(KeyOf(merged.element->pos));
    }
    // Moves first: an element back on its cell of ours may push an added
    // one away.
    for (MergedElement& merged : elements) {
        LogElement& element = *merged.element;
        if (!merged.movedByTheirs || !merged.ours || !oursHolds.contains(KeyOf(element.pos)))
            continue;
        conflicts.push_back({"element", std::to_string(element.id), element.ClassName(), "cell",
                             merged.base ? CellText(merged.base->pos) : std::string(),
                             CellText(merged.ours->pos), CellText(element.pos),
                             "the cell theirs moved it to is taken"});
        element.pos = merged.ours->pos;
        taken.insert(KeyOf(element.pos));
        oursHolds.insert(KeyOf(element.pos));
    }
    for (MergedElement& merged : elements) {
        LogElement& element = *merged.element;
        if (!merged.addedByTheirs || !oursHolds.contains(KeyOf(element.pos)))
            continue;
        element.pos = NearestFreeCell(element.pos, taken);
        taken.insert(KeyOf(element.pos));
        oursHolds.insert(KeyOf(element.pos));
    }
}

} // namespace vantrel
