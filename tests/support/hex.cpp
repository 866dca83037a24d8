#include "support/hex.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace vantrel::test {

namespace {

int Nibble(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw std::invalid_argument("not a hex digit");
}

// One row of up to 16 bytes from `offset`; "--" past the end.
std::string HexRow(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    std::string row;
    for (std::size_t i = offset; i < offset + 16; ++i) {
        if (i > offset)
            row += ' ';
        row += i < bytes.size() ? ToHex(bytes.subspan(i, 1)) : "--";
    }
    return row;
}

bool ByteDiffers(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, std::size_t i)
{
    return i >= a.size() || i >= b.size() || a[i] != b[i];
}

} // namespace

std::vector<std::uint8_t> FromHex(std::string_view hex)
{
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (char c : hex) {
        if (c == ' ' || c == '\n' || c == '\t')
            continue;
        if (high < 0) {
            high = Nibble(c);
        } else {
            bytes.push_back(std::uint8_t(high * 16 + Nibble(c)));
            high = -1;
        }
    }
    if (high >= 0)
        throw std::invalid_argument("odd number of hex digits");
    return bytes;
}

std::string ToHex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += i % 16 == 0 ? '\n' : ' ';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

std::string HexDiff(std::span<const std::uint8_t> expected, std::span<const std::uint8_t> actual,
                    int maxRows)
{
    if (std::ranges::equal(expected, actual))
        return {};
    const auto first = std::size_t(std::ranges::mismatch(expected, actual).in1 - expected.begin());
    char header[96];
    std::snprintf(header, sizeof header,
                  "expected %zu bytes, actual %zu bytes, first difference at %08zX\n",
                  expected.size(), actual.size(), first);
    std::string text = header;
    const std::size_t end = std::max(expected.size(), actual.size());
    int rows = 0;
    for (std::size_t offset = first / 16 * 16; offset < end && rows < maxRows; offset += 16) {
        std::string marks;
        for (std::size_t i = offset; i < offset + 16; ++i)
            marks += ByteDiffers(expected, actual, i) && i < end ? "^^ " : "   ";
        if (marks.find('^') == std::string::npos)
            continue;
        char at[24];
        std::snprintf(at, sizeof at, "%08zX", offset);
        text += std::string(at) + " expected " + HexRow(expected, offset) + "\n" +
                "         actual   " + HexRow(actual, offset) + "\n" + "                  " +
                marks + "\n";
        ++rows;
    }
    return text;
}

} // namespace vantrel::test
