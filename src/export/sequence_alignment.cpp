#include "export/sequence_alignment.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {

namespace {

// Cells of the table of common lengths at the most (4 MiB of counts).
constexpr std::size_t kTableLimit = std::size_t(1) << 20;

using Equal = std::function<bool(std::size_t, std::size_t)>;

// Pairs the items of two runs with no equal item between them.
void PairRuns(std::size_t before, std::size_t beforeEnd, std::size_t after, std::size_t afterEnd,
              std::vector<AlignedPair>& out)
{
    while (before < beforeEnd || after < afterEnd) {
        AlignedPair pair;
        if (before < beforeEnd)
            pair.before = before++;
        if (after < afterEnd)
            pair.after = after++;
        out.push_back(pair);
    }
}

// The equal items of the middle as (before, after) index pairs, in order.
std::vector<std::pair<std::size_t, std::size_t>>
CommonItems(std::size_t begin, std::size_t beforeEnd, std::size_t afterBegin, std::size_t afterEnd,
            const Equal& equal)
{
    const std::size_t rows = beforeEnd - begin;
    const std::size_t columns = afterEnd - afterBegin;
    std::vector<std::pair<std::size_t, std::size_t>> common;
    if (rows == 0 || columns == 0 || (rows + 1) * (columns + 1) > kTableLimit)
        return common;
    // length[i][j]: common items of the suffixes from i and j.
    std::vector<std::uint32_t> length((rows + 1) * (columns + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& {
        return length[i * (columns + 1) + j];
    };
    for (std::size_t i = rows; i-- > 0;)
        for (std::size_t j = columns; j-- > 0;)
            at(i, j) = equal(begin + i, afterBegin + j) ? at(i + 1, j + 1) + 1
                                                        : std::max(at(i + 1, j), at(i, j + 1));
    for (std::size_t i = 0, j = 0; i < rows && j < columns;) {
        if (equal(begin + i, afterBegin + j)) {
            common.emplace_back(begin + i++, afterBegin + j++);
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return common;
}

} // namespace

std::vector<AlignedPair> AlignSequences(std::size_t beforeCount, std::size_t afterCount,
                                        const Equal& equal)
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
    std::size_t before = head;
    std::size_t after = head;
    const std::size_t beforeEnd = beforeCount - tail;
    const std::size_t afterEnd = afterCount - tail;
    for (const auto& [i, j] : CommonItems(head, beforeEnd, head, afterEnd, equal)) {
        PairRuns(before, i, after, j, out);
        out.push_back({i, j});
        before = i + 1;
        after = j + 1;
    }
    PairRuns(before, beforeEnd, after, afterEnd, out);
    for (std::size_t k = 0; k < tail; ++k)
        out.push_back({beforeEnd + k, afterEnd + k});
    return out;
}

} // namespace vantrel
