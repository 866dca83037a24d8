#include "compare/list_order_merge.h"

#include "compare/design_dump.h"
#include "document/vantrel_doc.h"

#include <array>
#include <unordered_map>

namespace vantrel {

namespace {

constexpr std::size_t kNone = std::size_t(-1);

using ListFlags = std::array<bool, kElementListCount>;
using ListChanges = std::array<std::string, kElementListCount>;

// The lists whose order changed between the pairs' records, with the ids
// that changed places.
ListChanges Reorders(const std::vector<ElementPair>& pairs)
{
    ListChanges moved;
    for (const DesignChange& change : ReorderedLists(pairs))
        if (const std::optional<int> list = ElementListNamed(change.key))
            moved[std::size_t(*list)] = change.fields.front().after;
    return moved;
}

// One side's list as positions in the merged elements; elements the merge
// dropped or put into another list are left out.
std::vector<std::size_t> SideOrder(const ElementList& list,
                                   const std::unordered_map<const LogElement*, std::size_t>& merged,
                                   const std::vector<MergedElement>& elements, int listKind)
{
    std::vector<std::size_t> order;
    for (const auto& element : list) {
        const auto found = merged.find(element.get());
        if (found != merged.end() && elements[found->second].element->ListKind() == listKind)
            order.push_back(found->second);
    }
    return order;
}

// The chosen order, with each element only the other side has after its
// nearest placed predecessor there.
std::vector<std::size_t> Interleave(const std::vector<std::size_t>& chosen,
                                    const std::vector<std::size_t>& other, std::size_t count)
{
    std::vector<bool> inChosen(count, false);
    for (std::size_t index : chosen)
        inChosen[index] = true;
    // What follows each element (kNone: the end), in the other side's order.
    std::unordered_map<std::size_t, std::vector<std::size_t>> followers;
    std::size_t predecessor = kNone;
    for (std::size_t index : other) {
        if (!inChosen[index])
            followers[predecessor].push_back(index);
        predecessor = index;
    }
    std::vector<std::size_t> order;
    order.reserve(chosen.size() + other.size());
    // Depth first without recursion: a chain of additions may be long.
    std::vector<std::size_t> pending;
    const auto place = [&](std::size_t index) {
        pending.push_back(index);
        while (!pending.empty()) {
            const std::size_t next = pending.back();
            pending.pop_back();
            order.push_back(next);
            if (const auto after = followers.find(next); after != followers.end())
                pending.insert(pending.end(), after->second.rbegin(), after->second.rend());
        }
    };
    for (std::size_t index : chosen)
        place(index);
    if (const auto atEnd = followers.find(kNone); atEnd != followers.end())
        for (std::size_t index : atEnd->second)
            place(index);
    return order;
}

} // namespace

void OrderLists(std::vector<MergedElement>& elements, const MergeSides& sides,
                const KeptElements& kept, CVantrelDoc& merged, MergeConflicts& conflicts)
{
    std::unordered_map<const LogElement*, std::size_t> oursIndex;
    std::unordered_map<const LogElement*, std::size_t> theirsIndex;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].ours)
            oursIndex.emplace(elements[i].ours, i);
        if (elements[i].theirs)
            theirsIndex.emplace(elements[i].theirs, i);
    }
    const ListChanges oursMoved = Reorders(kept.baseOurs);
    const ListChanges theirsMoved = Reorders(kept.baseTheirs);
    const ListChanges sidesDiffer = Reorders(kept.oursTheirs);
    std::vector<bool> placed(elements.size(), false);
    for (int list = 0; list < kElementListCount; ++list) {
        const auto at = std::size_t(list);
        const std::vector<std::size_t> ours =
            SideOrder(sides.ours.document.elements[at], oursIndex, elements, list);
        const std::vector<std::size_t> theirs =
            SideOrder(sides.theirs.document.elements[at], theirsIndex, elements, list);
        const bool theirsOrder = !theirsMoved[at].empty() && oursMoved[at].empty();
        if (!theirsMoved[at].empty() && !oursMoved[at].empty() && !sidesDiffer[at].empty())
            conflicts.push_back({"list",
                                 std::string(ElementListName(list)),
                                 {},
                                 "evaluation order",
                                 {},
                                 "moved " + oursMoved[at],
                                 "moved " + theirsMoved[at],
                                 "ours kept: run Auto sort on the merged design"});
        const std::vector<std::size_t> order = theirsOrder
                                                   ? Interleave(theirs, ours, elements.size())
                                                   : Interleave(ours, theirs, elements.size());
        for (std::size_t index : order) {
            placed[index] = true;
            merged.elements[at].push_back(std::move(elements[index].element));
        }
    }
    // Elements neither side kept in their list (a class changed on one
    // side): at the end of their own.
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (!placed[i]) {
            const int list = elements[i].element->ListKind();
            merged.elements[std::size_t(list)].push_back(std::move(elements[i].element));
        }
}

} // namespace vantrel
