#include "qt_adapters/png_chunks.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vantrel {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Length and type before a chunk's data, its CRC after it.
constexpr std::uint64_t kChunkHead = 8;
constexpr std::uint64_t kChunkTail = 4;

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes)
{
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 |
           std::uint32_t(bytes[2]) << 8 | std::uint32_t(bytes[3]);
}

std::string_view ChunkType(std::span<const std::uint8_t> head)
{
    return {reinterpret_cast<const char*>(head.data()) + 4, 4};
}

} // namespace

bool HasPngSignature(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

bool PngChunksFit(std::span<const std::uint8_t> bytes)
{
    if (!HasPngSignature(bytes))
        return true;
    std::uint64_t position = kSignature.size();
    while (bytes.size() - position >= kChunkHead) {
        const std::span<const std::uint8_t> head = bytes.subspan(position, kChunkHead);
        const std::string_view type = ChunkType(head);
        if (type == "IEND")
            return true;
        const std::uint64_t size = kChunkHead + BigEndian32(head) + kChunkTail;
        if (size > bytes.size() - position)
            return type == "IDAT";
        position += size;
    }
    return true;
}

} // namespace vantrel
