#include "compare/sequence_alignment.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {

namespace {

// Cells of the table of common lengths at the most (4 MiB of counts).
constexpr std::size_t kTableLimit = std::size_t(1) << 20;

// A stretch of each sequence: [begin, end).
struct Stretch
{
    std::size_t begin;
    std::size_t end;
    std::size_t Size() const { return end - begin; }
};

using IndexPairs = std::vector<std::pair<std::size_t, std::size_t>>;

// The matching items of two stretches on a longest common run, in order;
// none when the stretches are too large to compare each with each.
std::optional<IndexPairs> CommonItems(Stretch before, Stretch after, const ItemMatch& match)
{
    const std::size_t rows = before.Size();
    const std::size_t columns = after.Size();
    if ((rows + 1) * (columns + 1) > kTableLimit)
        return std::nullopt;
    // length[i][j]: matching items of the suffixes from i and j.
    std::vector<std::uint32_t> length((rows + 1) * (columns + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& {
        return length[i * (columns + 1) + j];
    };
    for (std::size_t i = rows; i-- > 0;)
        for (std::size_t j = columns; j-- > 0;)
            at(i, j) = match(before.begin + i, after.begin + j)
                           ? at(i + 1, j + 1) + 1
                           : std::max(at(i + 1, j), at(i, j + 1));
    IndexPairs common;
    for (std::size_t i = 0, j = 0; i < rows && j < columns;) {
        if (match(before.begin + i, after.begin + j)) {
            common.emplace_back(before.begin + i++, after.begin + j++);
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return common;
}

// Item by item: pairs as long as both stretches have items.
void PairByPosition(Stretch before, Stretch after, std::vector<AlignedPair>& out)
{
    while (before.begin < before.end || after.begin < after.end) {
        AlignedPair pair;
        if (before.begin < before.end)
            pair.before = before.begin++;
        if (after.begin < after.end)
            pair.after = after.begin++;
        out.push_back(pair);
    }
}

// Aligns two stretches on the items `match` pairs; `between` aligns what
// lies between two such pairs. Positions pair up when the stretches are
// too large.
template <class Between>
void AlignOn(Stretch before, Stretch after, const ItemMatch& match, std::vector<AlignedPair>& out,
             Between between)
{
    const std::optional<IndexPairs> common = CommonItems(before, after, match);
    if (!common) {
        PairByPosition(before, after, out);
        return;
    }
    for (const auto& [i, j] : *common) {
        between(Stretch{before.begin, i}, Stretch{after.begin, j});
        out.push_back({i, j});
        before.begin = i + 1;
        after.begin = j + 1;
    }
    between(before, after);
}

} // namespace

std::vector<AlignedPair> AlignSequences(std::size_t beforeCount, std::size_t afterCount,
                                        const ItemMatch& equal, const ItemMatch& similar)
{
    std::size_t head = 0;
    while (head < beforeCount && head < afterCount && equal(head, head))
        ++head;
    std::size_t tail = 0;
    while (tail < beforeCount - head && tail < afterCount - head &&
           equal(beforeCount - 1 - tail, afterCount - 1 - tail))
        ++tail;
    std::vector<AlignedPair> out;
    for (std::size_t i = 0; i < head; ++i)
        out.push_back({i, i});
    // Between equal items, similar items pair up and the rest stand alone.
    const auto alone = [&](Stretch before, Stretch after) {
        for (std::size_t i = before.begin; i < before.end; ++i)
            out.push_back({i, std::nullopt});
        for (std::size_t j = after.begin; j < after.end; ++j)
            out.push_back({std::nullopt, j});
    };
    const auto pairSimilar = [&](Stretch before, Stretch after) {
        AlignOn(before, after, similar, out, alone);
    };
    AlignOn({head, beforeCount - tail}, {head, afterCount - tail}, equal, out, pairSimilar);
    for (std::size_t k = 0; k < tail; ++k)
        out.push_back({beforeCount - tail + k, afterCount - tail + k});
    return out;
}

} // namespace vantrel
