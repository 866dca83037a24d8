#include "document/spatial_index.h"

#include <algorithm>
#include <limits>

namespace vantrel {

namespace {

// The bucket size of rung k is 4^(k+1) cells; the last rung's one bucket
// holds the whole 32-bit range.
constexpr int ShiftOf(int rung)
{
    return 2 * (rung + 1);
}

// A cell as an unsigned offset from the lowest one, so that buckets count
// upwards from 0 across the whole range.
std::uint64_t Unsigned(std::int32_t cell)
{
    return std::uint64_t(std::int64_t(cell) - std::numeric_limits<std::int32_t>::min());
}

std::uint64_t BucketKey(std::uint64_t row, std::uint64_t column)
{
    return row << 32 | column;
}

// The finest rung whose buckets are larger than the box on both sides.
int RungFor(const CellBox& box, int rungs)
{
    const std::uint64_t extent = std::max(Unsigned(box.right) - Unsigned(box.left),
                                          Unsigned(box.bottom) - Unsigned(box.top));
    int rung = 0;
    while (rung + 1 < rungs && extent >= (std::uint64_t(1) << ShiftOf(rung)))
        ++rung;
    return rung;
}

} // namespace

void SpatialIndex::BeginRefill(const ListsStamp& stamp)
{
    for (std::vector<Item>& rung : rungs_)
        rung.clear();
    listStarts_[0] = 0;
    for (std::size_t list = 0; list < stamp.sizes.size(); ++list)
        listStarts_[list + 1] = listStarts_[list] + stamp.sizes[list];
    stamp_ = stamp;
    filled_ = false;
}

void SpatialIndex::Add(ElementLocation location, const CellBox& box, Entry entry)
{
    const int rung = RungFor(box, kRungs);
    const int shift = ShiftOf(rung);
    const std::uint64_t key = BucketKey(Unsigned(box.top) >> shift, Unsigned(box.left) >> shift);
    const auto ordinal =
        std::uint32_t(listStarts_[std::size_t(location.list)] + std::size_t(location.position));
    rungs_[std::size_t(rung)].push_back({key, ordinal, entry, box});
}

void SpatialIndex::EndRefill()
{
    for (std::vector<Item>& rung : rungs_) {
        std::sort(rung.begin(), rung.end(), [](const Item& a, const Item& b) {
            return a.bucket != b.bucket ? a.bucket < b.bucket : a.ordinal < b.ordinal;
        });
        rung.shrink_to_fit();
    }
    filled_ = true;
}

std::vector<ElementLocation> SpatialIndex::Query(const CellBox& box, bool withConnections) const
{
    std::vector<std::uint32_t> ordinals;
    for (int rung = 0; rung < kRungs; ++rung)
        QueryRung(rungs_[std::size_t(rung)], ShiftOf(rung), box, withConnections, ordinals);
    std::sort(ordinals.begin(), ordinals.end());
    ordinals.erase(std::unique(ordinals.begin(), ordinals.end()), ordinals.end());
    std::vector<ElementLocation> found;
    found.reserve(ordinals.size());
    for (std::uint32_t ordinal : ordinals)
        found.push_back(LocationOf(ordinal));
    return found;
}

void SpatialIndex::QueryRung(const std::vector<Item>& rung, int shift, const CellBox& box,
                             bool withConnections, std::vector<std::uint32_t>& ordinals) const
{
    if (rung.empty())
        return;
    auto take = [&](const Item& item) {
        if ((withConnections || item.entry == Entry::Cell) && item.box.Meets(box))
            ordinals.push_back(item.ordinal);
    };
    // A box lies in its bucket and the next ones to the right and below, so
    // the buckets one before the area's first may hold boxes reaching into it.
    auto bucketBefore = [shift](std::int32_t cell) {
        const std::uint64_t bucket = Unsigned(cell) >> shift;
        return bucket > 0 ? bucket - 1 : 0;
    };
    const std::uint64_t firstColumn = bucketBefore(box.left);
    const std::uint64_t lastColumn = Unsigned(box.right) >> shift;
    const std::uint64_t firstRow = bucketBefore(box.top);
    const std::uint64_t lastRow = Unsigned(box.bottom) >> shift;
    // A binary search per row pays only while the rows are fewer than the items.
    if (lastRow - firstRow >= rung.size()) {
        std::ranges::for_each(rung, take);
        return;
    }
    for (std::uint64_t row = firstRow; row <= lastRow; ++row) {
        const std::uint64_t from = BucketKey(row, firstColumn);
        const std::uint64_t to = BucketKey(row, lastColumn);
        auto item =
            std::lower_bound(rung.begin(), rung.end(), from,
                             [](const Item& held, std::uint64_t key) { return held.bucket < key; });
        for (; item != rung.end() && item->bucket <= to; ++item)
            take(*item);
    }
}

ElementLocation SpatialIndex::LocationOf(std::uint32_t ordinal) const
{
    const auto after =
        std::upper_bound(listStarts_.begin() + 1, listStarts_.end(), std::size_t(ordinal));
    const auto list = int(after - listStarts_.begin()) - 1;
    return {list, int(ordinal - listStarts_[std::size_t(list)])};
}

} // namespace vantrel
