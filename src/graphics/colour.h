#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

// Colours are stored as 0x00BBGGRR (red in the low byte), the form the design
// files, the flash file and the JSON export carry.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour c)
{
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t GreenOf(Colour c)
{
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(Colour c)
{
    return std::uint8_t((c >> 16) & 0xFF);
}

// "#rrggbb" in lower-case hexadecimal, red first.
std::string HexColour(Colour colour);

} // namespace vantrel
