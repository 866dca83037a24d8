#include "document/id_index.h"

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

// Ids are handed out from 1 upwards; a design that lost many elements over
// its life has gaps, hence the margin over the element count.
std::size_t DirectSlotsFor(std::size_t elementCount)
{
    return 4 * elementCount + 1024;
}

bool IsDirect(std::int32_t id, std::size_t slots)
{
    return id >= 0 && std::size_t(id) < slots;
}

} // namespace

void IdIndex::BeginRefill(std::size_t elementCount, std::int64_t idsBelow)
{
    std::swap(direct_, previous_);
    const auto slots = std::min<std::int64_t>(std::int64_t(DirectSlotsFor(elementCount)),
                                              std::max<std::int64_t>(idsBelow, 0));
    direct_.assign(std::size_t(slots), ElementLocation{});
}

void IdIndex::Clear()
{
    direct_ = {};
    previous_ = {};
    sparse_ = {};
}

const ElementLocation* IdIndex::Find(std::int32_t id) const
{
    if (IsDirect(id, direct_.size()))
        return direct_[std::size_t(id)].list >= 0 ? &direct_[std::size_t(id)] : nullptr;
    return FindSparse(id);
}

ElementLocation* IdIndex::DirectSlot(std::int32_t id)
{
    return IsDirect(id, direct_.size()) ? &direct_[std::size_t(id)] : nullptr;
}

const ElementLocation* IdIndex::Previous(std::int32_t id) const
{
    if (IsDirect(id, previous_.size()) && previous_[std::size_t(id)].list >= 0)
        return &previous_[std::size_t(id)];
    return FindSparse(id);
}

const ElementLocation* IdIndex::FindSparse(std::int32_t id) const
{
    auto found = std::lower_bound(sparse_.begin(), sparse_.end(), Entry{id, {}}, ById);
    return found != sparse_.end() && found->id == id ? &found->location : nullptr;
}

std::vector<bool> RepeatedIds(std::span<const std::int32_t> ids)
{
    std::vector<bool> repeated(ids.size());
    std::vector<bool> seen(DirectSlotsFor(ids.size()));
    std::vector<std::pair<std::int32_t, std::size_t>> beyond;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (!IsDirect(ids[i], seen.size())) {
            beyond.emplace_back(ids[i], i);
            continue;
        }
        repeated[i] = seen[std::size_t(ids[i])];
        seen[std::size_t(ids[i])] = true;
    }
    // Sorted by id, then by place: each id's first place is its first time.
    std::sort(beyond.begin(), beyond.end());
    for (std::size_t i = 1; i < beyond.size(); ++i)
        repeated[beyond[i].second] = beyond[i].first == beyond[i - 1].first;
    return repeated;
}

} // namespace vantrel
