#pragma once

#include "compare/dump_record.h"
#include "compare/merge_conflict.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// How one item of a merged list is made: a copy of an item of ours or of
// theirs, and for an item merged field by field, the fields that the item
// of theirs at `theirsIndex` gives to the copy of ours.
struct SequencePick
{
    bool fromTheirs = false;
    // The item's position in its side's list.
    std::size_t index = 0;
    std::optional<std::size_t> theirsIndex;
    std::vector<std::string> theirsFields;
};

// Merges a list of records that the design keeps by position (paint
// objects, remote modules, complex commands, ...): each side is aligned
// with the base as the diff aligns them; an item changed on one side only
// takes that change, one removed on one side and left alone on the other
// goes, items added on either side stay where they were added (ours before
// theirs; an item both added is kept once). An item both sides changed in
// different ways is merged field by field when `byField`, else kept as
// ours has it; conflicts are added to `conflicts`.
std::vector<SequencePick> MergeSequence(const std::vector<const DumpRecord*>& base,
                                        const std::vector<const DumpRecord*>& ours,
                                        const std::vector<const DumpRecord*>& theirs, bool byField,
                                        MergeConflicts& conflicts);

} // namespace vantrel
