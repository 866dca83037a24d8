#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

// "FF FE 0a" -> bytes; spaces and line breaks are ignored.
std::vector<std::uint8_t> FromHex(std::string_view hex);
// Bytes -> "FF FE 0A ..." with a line break every 16 bytes, so a failing
// comparison shows a readable hex diff.
std::string ToHex(std::span<const std::uint8_t> bytes);

} // namespace vantrel::test
