#pragma once

#include "compare/design_diff.h"

#include <vector>

namespace vantrel {

// An element present in both designs: its record before and after.
struct ElementPair
{
    const DumpRecord* before;
    const DumpRecord* after;
};

// One change per element list whose order changed among the elements that
// stayed in it, naming the fewest elements that changed places (those off
// a longest run kept in order). Elements added or removed do not count as a
// change of order.
std::vector<DesignChange> ReorderedLists(const std::vector<ElementPair>& kept);

} // namespace vantrel
