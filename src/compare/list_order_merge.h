#pragma once

#include "compare/element_merge.h"

namespace vantrel {

// Puts the merged elements into the merged design's element lists, each in
// the evaluation order of the merge: where only theirs reordered a list (the
// elements it kept from the base changed places), theirs' order, else ours';
// where both reordered it differently, ours' order and one conflict
// "evaluation order" with the hint to sort. An element the chosen side does
// not have follows its nearest predecessor in the other side's list that is
// in the merged list, or goes to the end.
void OrderLists(std::vector<MergedElement>& elements, const MergeSides& sides,
                const KeptElements& kept, CVantrelDoc& merged, MergeConflicts& conflicts);

} // namespace vantrel
