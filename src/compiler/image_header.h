#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

// The 56-byte header that opens every program image. A remote module file is
// such a header alone, with no sections. Counts and offsets are stored in the
// widths of their fields; whoever fills the header decides how wide values
// are cut down to them.
struct ImageHeader
{
    static constexpr std::uint16_t kSize = 56;
    static constexpr std::uint8_t kRemoteRequestSize = 24;

    std::uint32_t checksum = 0;
    std::uint32_t size = kSize;
    std::int32_t version = 2;
    std::int32_t designStamp = 0;
    std::int32_t randomNumber = 0;
    std::uint8_t speed = 0;
    std::uint8_t inputBytes = 0;
    std::uint8_t outputBytes = 0;
    std::uint8_t userInputBytes = 0;
    std::uint8_t userOutputBytes = 0;
    std::uint16_t mainCount = 0;
    std::uint16_t logicOffset = kSize;
    std::uint16_t numericCount = 0;
    std::uint16_t numericOffset = kSize;
    std::uint16_t constantCount = 0;
    std::uint16_t constantOffset = kSize;
    std::uint16_t storageRegisterCount = 0; // accumulators and NoOps
    std::uint16_t remoteRequestOffset = kSize;
    std::uint16_t remoteRequestCount = 0;
    std::uint8_t remoteModuleFile = 0; // 1 in a remote module's own file
    std::uint8_t remoteInputBytes = 0;
    std::uint8_t remoteOutputBytes = 0;
    std::uint8_t moduleIndex = 0;
    std::uint8_t remoteRequestSize = kRemoteRequestSize;
    std::uint8_t registerIdCount = 0;
    std::uint16_t registerIdOffset = kSize;
    std::uint16_t baud = 19200;
};

// The header in its stored form; the reserved bytes are zero.
std::vector<std::uint8_t> HeaderBytes(const ImageHeader& header);
// The header read back from the start of an image of at least 56 bytes.
ImageHeader ReadHeader(std::span<const std::uint8_t> image);
// Stores the checksum of bytes 4 to the end into the first four bytes.
void SealChecksum(std::span<std::uint8_t> image);

} // namespace vantrel
