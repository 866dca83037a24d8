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

// Where two byte strings differ, for a failing comparison of whole files:
// the sizes, then each of the first `maxRows` rows of 16 bytes that differ,
// with its offset, the expected and the actual bytes and a mark under every
// byte that differs. Empty when the strings are equal.
std::string HexDiff(std::span<const std::uint8_t> expected, std::span<const std::uint8_t> actual,
                    int maxRows = 4);

} // namespace vantrel::test
