#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace vantrel {

// One step of an alignment of two sequences: an item of the first, of the
// second, or of both (equal items, or two similar items paired as one
// changed item).
struct AlignedPair
{
    std::optional<std::size_t> before;
    std::optional<std::size_t> after;
};

using ItemMatch = std::function<bool(std::size_t before, std::size_t after)>;

// Aligns two sequences on a longest run of equal items; between two equal
// items, pairs the items on a longest run of similar ones (an object of the
// same kind, changed); what is left over is removed (only before) or added
// (only after). The equal head and tail are matched directly; a stretch too
// large for the quadratic alignment is paired position by position, so the
// time stays bounded for any input.
std::vector<AlignedPair> AlignSequences(std::size_t beforeCount, std::size_t afterCount,
                                        const ItemMatch& equal, const ItemMatch& similar);

} // namespace vantrel
