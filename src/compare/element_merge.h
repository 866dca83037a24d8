#pragma once

#include "compare/dump_record.h"
#include "compare/element_order.h"
#include "compare/merge_conflict.h"
#include "document/element_renumbering.h"

#include <memory>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// One design of a merge with its text form.
struct MergeSide
{
    const CVantrelDoc& document;
    const std::vector<DumpRecord>& records;
};

struct MergeSides
{
    MergeSide base;
    MergeSide ours;
    MergeSide theirs;
};

// An element of the merged design and the elements of the base, ours and
// theirs it stands for (none where that side does not have it).
struct MergedElement
{
    std::unique_ptr<LogElement> element;
    const LogElement* base = nullptr;
    const LogElement* ours = nullptr;
    const LogElement* theirs = nullptr;
    // Its cell is the one theirs gave it: it added the element, or moved it
    // where ours left it in place.
    bool addedByTheirs = false;
    bool movedByTheirs = false;
};

// The records of the elements each side kept from the base, and those all
// three have: what the lists' orders are compared on.
struct KeptElements
{
    std::vector<ElementPair> baseOurs;
    std::vector<ElementPair> baseTheirs;
    std::vector<ElementPair> oursTheirs;
};

struct ElementMerge
{
    std::vector<MergedElement> elements;
    KeptElements kept;
};

// Equal element records but for the predecessor in the list, which follows
// from the merged order.
bool SameElementRecord(const DumpRecord& a, const DumpRecord& b);

// The ids that both sides added for elements that differ, each with the new
// id that theirs' element takes: from `firstNewId` on, in the order of the
// ids. None when the new ids would not fit.
IdRenumbering CollidingAdditions(const MergeSides& sides, std::int64_t firstNewId);

// The elements matched by id (and occurrence, for an id a damaged design
// holds twice): an element added, changed or removed on one side only takes
// that change, and one both sides changed is merged field by field, each
// input slot on its own. A field changed in different ways, an element
// changed on one side and removed on the other, or one whose class changed
// on one side while the other changed it too, is a conflict that keeps what
// ours has.
ElementMerge MergeElements(const MergeSides& sides, MergeConflicts& conflicts);

// Gives each element whose id an earlier one already has (only designs that
// held an id twice get there) a new id from `nextId` on; returns the next
// id after them.
std::int64_t GiveUniqueIds(std::vector<MergedElement>& elements, std::int64_t nextId);

// Clears each reference (input, marker source, accumulator, logged output)
// to an element the merged design does not hold, so that every id it names
// is an element of its own or 0. A reference a side made to an element it
// had and the other side removed is a conflict; one a side already held to
// an element it did not have (the editor keeps the inputs of a deleted
// element's readers) is cleared without one, as the compile treats it as
// unconnected anyway.
void ClearBrokenReferences(std::vector<MergedElement>& elements, const MergeSides& sides,
                           MergeConflicts& conflicts);

// Takes elements off cells that an element of ours holds: one theirs added
// moves to the nearest free cell; one theirs moved there stays where ours
// has it, a conflict.
void SeparateCells(std::vector<MergedElement>& elements, MergeConflicts& conflicts);

} // namespace vantrel
