#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace vantrel {

// Where an element sits: its list kind and position, or (-1, -1).
struct ElementLocation
{
    int list = -1;
    int position = -1;
    friend bool operator==(const ElementLocation&, const ElementLocation&) = default;
};

// Where each element id was last seen, in flat storage: a table indexed by
// the id for the ids a design hands out (1 upwards), and a sorted table for
// any other. The direct table is sized by the number of elements, never by
// an id value, so a damaged file with huge ids cannot make it allocate
// more than its elements justify.
//
// The index is refilled by a walk over the elements: BeginRefill, then
// DirectSlot (and Previous, the place the id had before) for each element
// met, then ReplaceSparse with the ids beyond the direct slots. Right after
// a refill it holds exactly the ids present; later changes to the lists
// leave entries stale until the next refill.
class IdIndex
{
public:
    struct Entry
    {
        std::int32_t id;
        ElementLocation location;
    };

    // `idsBelow`, when the caller knows that every id is below it, keeps the
    // direct table no larger than those ids need.
    void BeginRefill(std::size_t elementCount,
                     std::int64_t idsBelow = std::numeric_limits<std::int64_t>::max());
    void Clear();

    const ElementLocation* Find(std::int32_t id) const;
    // During a refill: the id's slot in the new direct table (none when the
    // id is beyond it), and its entry before the refill.
    ElementLocation* DirectSlot(std::int32_t id);
    const ElementLocation* Previous(std::int32_t id) const;

    // Ends a refill with the entries of the ids beyond the direct slots, in
    // the order their elements were met: an id's first one counts, unless
    // the entry held before still holds (`stillValid(id, location)`).
    template <class Valid> void ReplaceSparse(std::vector<Entry> offered, Valid stillValid)
    {
        std::stable_sort(offered.begin(), offered.end(), ById);
        offered.erase(std::unique(offered.begin(), offered.end(), SameId), offered.end());
        for (Entry& entry : offered)
            if (const ElementLocation* held = FindSparse(entry.id);
                held && stillValid(entry.id, *held))
                entry.location = *held;
        sparse_ = std::move(offered);
    }

private:
    static bool ById(const Entry& a, const Entry& b) { return a.id < b.id; }
    static bool SameId(const Entry& a, const Entry& b) { return a.id == b.id; }
    const ElementLocation* FindSparse(std::int32_t id) const;

    std::vector<ElementLocation> direct_;
    // The direct table before the current refill; its storage is reused.
    std::vector<ElementLocation> previous_;
    std::vector<Entry> sparse_;
};

// For each id of the sequence, whether the same id came earlier in it; in
// time and memory linear in the sequence's length (n log n for ids far
// beyond it), whatever the id values.
std::vector<bool> RepeatedIds(std::span<const std::int32_t> ids);

} // namespace vantrel
