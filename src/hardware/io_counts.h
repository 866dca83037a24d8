#pragma once

#include <algorithm>
#include <cstdint>

namespace vantrel {

// The most digital inputs (or outputs) a board with its expansion boards
// and remote modules can have.
constexpr std::int32_t kMaxBoardIo = 2048;

// More analog channels than any configuration of real modules gives; a
// damaged file's module list counts as this many.
constexpr std::int32_t kMaxAnalogChannels = 1 << 16;

// The bytes of a stored input or output count, as the program image, the
// JSON export, the paint links and the remote requests all state them. A
// count from a damaged design file is taken as it is, so that every export
// of one design tells the same; a field narrower than the result keeps its
// low bits, as the controller reads it.
constexpr std::int32_t IoBytes(std::int32_t count)
{
    return count / 8;
}

// The entries of a table with one entry per input or output number (the
// flash file's name tables, the I/O lists). Only such tables stop at the
// board's range: a damaged count would otherwise size them, and the files
// that hold them, without bound.
constexpr std::int32_t IoTableSize(std::int64_t count)
{
    return std::int32_t(std::clamp<std::int64_t>(count, 0, kMaxBoardIo));
}

} // namespace vantrel
