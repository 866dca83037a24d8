#pragma once

#include "graphics/geometry.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;
struct ViewState;

// A reusable piece of logic: the logic payload of the clipboard with a name,
// a description and a PNG picture of it.
//
// A block file (".lgb") holds, little-endian:
//   the 8 bytes "VTLBLOCK", the format version (32 bits, now 1),
//   the name and the description, each as a 32-bit count of UTF-16 units and the units,
//   the thumbnail as a 32-bit byte count and the PNG bytes,
//   the payload as a 32-bit byte count and the bytes,
// and nothing after them. Every count has a bound below, so that a damaged
// file is refused before anything of its size is allocated.
struct LogicBlock
{
    std::u16string name;
    std::u16string description;
    std::vector<std::uint8_t> thumbnail;
    std::vector<std::uint8_t> payload;
};

inline constexpr char kBlockExtension[] = ".lgb";
inline constexpr std::uint32_t kBlockFormatVersion = 1;
inline constexpr std::size_t kMaxBlockNameUnits = 200;
inline constexpr std::size_t kMaxBlockDescriptionUnits = 4000;
inline constexpr std::size_t kMaxBlockThumbnailBytes = std::size_t(1) << 20;
inline constexpr std::size_t kMaxBlockPayloadBytes = std::size_t(4) << 20;
inline constexpr std::size_t kMaxBlockFileBytes = 8 + 4 * 5 + 2 * kMaxBlockNameUnits +
                                                  2 * kMaxBlockDescriptionUnits +
                                                  kMaxBlockThumbnailBytes + kMaxBlockPayloadBytes;

// The file's bytes; none when a part is larger than its bound.
std::optional<std::vector<std::uint8_t>> BlockFileBytes(const LogicBlock& block);

// A block file read back, or why it is damaged.
struct BlockReading
{
    std::optional<LogicBlock> block;
    std::u16string problem;
};

// Reads a block file's bytes: the layout above, within its bounds, and a
// payload whose element lists can be read. Never throws for any bytes.
BlockReading ReadLogicBlock(std::span<const std::uint8_t> bytes);

// The block of the selected elements, as Copy would put them on the clipboard.
LogicBlock MakeLogicBlock(const CVantrelDoc& document, const std::vector<LogElement*>& selection,
                          std::u16string name, std::u16string description);

// Places the block as a paste whose top-left element lands on `cell`: new
// consecutive ids, inputs wired only among the block's elements (others 0)
// and the other ids they name of each other following them, I/O elements
// left out, one undo step; the placed elements become the selection. False
// (told through the notifier) when nothing was placed.
bool PlaceLogicBlock(CVantrelDoc& document, ViewState& state, const LogicBlock& block, Point cell);

// A block file of a folder: the block, or why it is damaged.
struct BlockEntry
{
    std::filesystem::path file;
    BlockReading reading;
};

// The block files (".lgb") of the folder by file name; none for a folder
// that does not exist. A file larger than any block is listed as damaged
// without being read.
std::vector<BlockEntry> ListBlocks(const std::filesystem::path& folder);

// The user's block folder: $XDG_DATA_HOME/vantrel/blocks, with
// ~/.local/share when XDG_DATA_HOME is not set to an absolute path.
std::filesystem::path UserBlockFolder();

// The blocks folder beside a design file.
std::filesystem::path DesignBlockFolder(const std::filesystem::path& design);

} // namespace vantrel
