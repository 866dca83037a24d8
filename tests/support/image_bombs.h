#pragma once

#include <cstdint>
#include <vector>

namespace vantrel::test {

// Image files made to make a decoder allocate far more than their size:
// each is a few dozen bytes whose header claims a huge picture.

// A PNG whose header claims width x height pixels of `colourType` (6 RGBA,
// 0 grey) at 8 bits, with `zlibRows` as its one IDAT chunk; by default the
// data of a single 1 x 1 RGBA pixel, so that nothing of the claimed size is
// there.
std::vector<std::uint8_t> PngClaiming(std::uint32_t width, std::uint32_t height,
                                      std::uint8_t colourType = 6,
                                      const std::vector<std::uint8_t>& zlibRows = {});

// A GIF of 35 bytes whose logical screen is width x height; its one frame is
// a single pixel, and decoders make the whole screen.
std::vector<std::uint8_t> GifClaiming(std::uint16_t width, std::uint16_t height);

// A baseline colour JPEG whose frame is width x height, cut off a few bytes
// into its scan: decoders that fill what is missing make the whole frame.
std::vector<std::uint8_t> TruncatedJpegClaiming(std::uint16_t width, std::uint16_t height);

// An icon file whose one directory entry says 16 x 16 but holds `png`.
std::vector<std::uint8_t> IconHolding(const std::vector<std::uint8_t>& png);

} // namespace vantrel::test
