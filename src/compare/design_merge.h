#pragma once

#include "compare/merge_conflict.h"

namespace vantrel {

class CVantrelDoc;

// The three-way merge of a design that two people changed apart, as a
// version control system's merge driver needs it: what `ours` and `theirs`
// each changed since `base` goes into `merged` (a new, empty design).
// Elements are matched by id, every other list by aligning it as the diff
// does; the configuration, the remote modules, complex commands and
// simulation elements field by field, paint objects and pages whole. Where
// both sides changed an item differently, `merged` keeps what ours has and
// the conflict is returned.
//
// Elements that both sides added under one id are both kept: before the
// merge, theirs' element takes a new id above every id of the three designs,
// in `theirs` itself, with every reference to it. An element theirs added
// on a cell an element of ours holds moves to the nearest free cell.
//
// The merged design holds each id once, its next id lies above them, and
// the merge leaves no reference to an element it removed (see
// ClearBrokenReferences); elements are in the lists of their kinds.
MergeConflicts MergeDesigns(const CVantrelDoc& base, const CVantrelDoc& ours, CVantrelDoc& theirs,
                            CVantrelDoc& merged);

} // namespace vantrel
