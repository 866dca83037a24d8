#include "support/hex.h"

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

} // namespace vantrel::test
