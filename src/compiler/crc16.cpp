#include "compiler/crc16.h"

namespace vantrel {

std::uint16_t Crc16(std::span<const std::uint8_t> bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? std::uint16_t((crc >> 1) ^ 0x8408) : std::uint16_t(crc >> 1);
    }
    return crc;
}

} // namespace vantrel
