#pragma once

#include <cstdint>
#include <span>

namespace vantrel {

// The checksum of the controller's files: CRC-16 with the reflected CCITT
// polynomial 0x8408, initial value 0xFFFF and no final XOR (the check value
// of the ASCII text "123456789" is 0x6F91).
std::uint16_t Crc16(std::span<const std::uint8_t> bytes);

} // namespace vantrel
