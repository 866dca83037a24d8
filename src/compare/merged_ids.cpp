#include "compare/element_merge.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"

#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace vantrel {

namespace {

using IdSet = std::unordered_set<std::int32_t>;

IdSet IdsOf(const CVantrelDoc& document)
{
    IdSet ids;
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            if (element)
                ids.insert(element->id);
    return ids;
}

IdSet IdsOf(const std::vector<MergedElement>& elements)
{
    IdSet ids;
    for (const MergedElement& merged : elements)
        ids.insert(merged.element->id);
    return ids;
}

// The id in the slot'th place of VisitElementIds, 0 when there is none.
std::int32_t IdAt(const LogElement* element, std::size_t slot)
{
    if (!element)
        return 0;
    const std::vector<std::int32_t> ids = ElementIds(*element);
    return slot < ids.size() ? ids[slot] : 0;
}

std::string IdText(std::int32_t id)
{
    return id == 0 ? std::string() : std::to_string(id);
}

} // namespace

IdRenumbering CollidingAdditions(const MergeSides& sides, std::int64_t firstNewId)
{
    // Records of the first occurrence of each id; a second one of a damaged
    // design gets a new id after the merge.
    const auto firstOccurrences = [](const std::vector<DumpRecord>& records) {
        std::unordered_map<std::int64_t, const DumpRecord*> byId;
        for (const DumpRecord* record : RecordsIn(records, "element"))
            if (record->occurrence == 1)
                byId.emplace(record->number, record);
        return byId;
    };
    const auto base = firstOccurrences(sides.base.records);
    const auto ours = firstOccurrences(sides.ours.records);
    IdRenumbering newIds;
    std::int64_t next = firstNewId;
    for (const DumpRecord* record : RecordsIn(sides.theirs.records, "element")) {
        if (record->occurrence != 1 || base.contains(record->number))
            continue;
        const auto other = ours.find(record->number);
        if (other == ours.end() || SameElementRecord(*other->second, *record))
            continue;
        if (next > std::numeric_limits<std::int32_t>::max())
            return {};
        newIds.emplace(std::int32_t(record->number), std::int32_t(next++));
    }
    return newIds;
}

std::int64_t GiveUniqueIds(std::vector<MergedElement>& elements, std::int64_t nextId)
{
    IdSet taken = IdsOf(elements);
    IdSet seen;
    // Past the largest id, the lowest one not taken.
    std::int64_t lowFree = 1;
    for (MergedElement& merged : elements) {
        if (seen.insert(merged.element->id).second)
            continue;
        if (nextId <= std::numeric_limits<std::int32_t>::max()) {
            merged.element->id = std::int32_t(nextId++);
        } else {
            while (taken.contains(std::int32_t(lowFree)))
                ++lowFree;
            merged.element->id = std::int32_t(lowFree);
        }
        taken.insert(merged.element->id);
        seen.insert(merged.element->id);
    }
    return nextId;
}

void ClearBrokenReferences(std::vector<MergedElement>& elements, const MergeSides& sides,
                           MergeConflicts& conflicts)
{
    const IdSet present = IdsOf(elements);
    const IdSet inOurs = IdsOf(sides.ours.document);
    const IdSet inTheirs = IdsOf(sides.theirs.document);
    // The side held the reference in this slot to an element it did not
    // have itself: a damaged side, not a removal the merge brought in.
    const auto heldUnresolved = [](const LogElement* side, std::size_t slot, std::int32_t id,
                                   const IdSet& sideIds) {
        return side && IdAt(side, slot) == id && !sideIds.contains(id);
    };
    for (MergedElement& merged : elements) {
        std::size_t slot = 0;
        VisitElementIds(*merged.element, [&](std::string_view field, std::int32_t& id) {
            const std::size_t at = slot++;
            if (id == 0 || present.contains(id))
                return;
            // The merged design must name only elements it holds, whatever a
            // side held; only a reference the other side's removal broke is
            // a conflict the user has to look at.
            if (!heldUnresolved(merged.ours, at, id, inOurs) &&
                !heldUnresolved(merged.theirs, at, id, inTheirs))
                conflicts.push_back(
                    {"element", std::to_string(merged.element->id), merged.element->ClassName(),
                     std::string(field), IdText(IdAt(merged.base, at)),
                     IdText(IdAt(merged.ours, at)), IdText(IdAt(merged.theirs, at)),
                     "element " + std::to_string(id) +
                         " was removed on the other side: the reference is cleared"});
            id = 0;
        });
    }
}

} // namespace vantrel
