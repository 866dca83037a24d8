#pragma once

#include <algorithm>
#include <cstdint>

namespace vantrel {

// The most digital inputs (or outputs) a board with its expansion boards
// and remote modules can have.
constexpr std::int32_t kMaxBoardIo = 2048;

// A stored input or output count as the exports use it. A damaged design
// file may hold any number; beyond the board's range it would size tables
// and files without bound.
inline std::int32_t UsableIoCount(std::int32_t stored)
{
    return std::clamp<std::int32_t>(stored, 0, kMaxBoardIo);
}

} // namespace vantrel
