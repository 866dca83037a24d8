#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace vantrel {

// One step of an alignment of two sequences: an item of the first, of the
// second, or of both (equal items, or two different items paired as one
// changed item).
struct AlignedPair
{
    std::optional<std::size_t> before;
    std::optional<std::size_t> after;
};

// Aligns two sequences on a longest run of equal items, pairing the
// different items between two equal ones in order; what is left over is
// removed (only before) or added (only after). The equal head and tail are
// matched directly; a remaining middle too large for the quadratic
// alignment is paired position by position, so the time stays bounded for
// any input.
std::vector<AlignedPair> AlignSequences(std::size_t beforeCount, std::size_t afterCount,
                                        const std::function<bool(std::size_t, std::size_t)>& equal);

} // namespace vantrel
