#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

struct LogicBlock;

// The size of a block's picture in the library.
inline constexpr int kBlockThumbnailWidth = 160;
inline constexpr int kBlockThumbnailHeight = 120;

// A PNG picture of the block's elements as the editor draws them once
// placed, fitted into the thumbnail's size; empty when it cannot be drawn.
std::vector<std::uint8_t> BlockThumbnail(const LogicBlock& block);

} // namespace vantrel
