#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>

namespace vantrel {

// FNV-1a over the four bytes of an element id, lowest byte first.
struct ElementIdHash
{
    std::size_t operator()(std::int32_t id) const noexcept
    {
        std::uint32_t hash = 0x811C9DC5u;
        const auto bits = std::uint32_t(id);
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (bits >> shift) & 0xFF;
            hash *= 16777619u;
        }
        return hash;
    }
};

using ElementIdSet = std::unordered_set<std::int32_t, ElementIdHash>;

} // namespace vantrel
