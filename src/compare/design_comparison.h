#pragma once

#include "compare/design_diff.h"
#include "graphics/geometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel {

class CVantrelDoc;

// How one element differs between the design compared against (before) and
// the design shown (after), with the cells it stands on in each.
struct ElementDifference
{
    // Added, Removed or Changed.
    DesignChange::Kind kind = DesignChange::Kind::Changed;
    std::int32_t id = 0;
    std::optional<Point> beforeCell;
    std::optional<Point> afterCell;
    // What changed of an element present in both: its cell, its inputs,
    // any other field.
    bool moved = false;
    bool rewired = false;
    bool changed = false;
};

// How one paint object differs, by its positions in the two paint lists as
// the diff aligns them.
struct PaintDifference
{
    DesignChange::Kind kind = DesignChange::Kind::Changed;
    std::optional<std::size_t> before;
    std::optional<std::size_t> after;
};

// Everything that turns one design into another: the changes as the diff
// words them, and the elements and paint objects they concern, for drawing
// the differences on the design's picture.
struct DesignComparison
{
    std::vector<DesignChange> changes;
    std::vector<ElementDifference> elements;
    std::vector<PaintDifference> paint;

    bool Empty() const { return changes.empty(); }
};

DesignComparison CompareDesigns(const CVantrelDoc& before, const CVantrelDoc& after);

// The change's element id, for a change of section "element"; none for any
// other section.
std::optional<std::int32_t> ChangedElementId(const DesignChange& change);

} // namespace vantrel
