#include "support/archive_bytes.h"

#include "support/hex.h"

#include <bit>

namespace vantrel::test {

ArchiveBytes& ArchiveBytes::Byte(std::uint8_t value)
{
    bytes_.push_back(value);
    return *this;
}

ArchiveBytes& ArchiveBytes::Word(std::uint16_t value)
{
    return Byte(std::uint8_t(value)).Byte(std::uint8_t(value >> 8));
}

ArchiveBytes& ArchiveBytes::I32(std::int32_t value)
{
    return Word(std::uint16_t(std::uint32_t(value)))
        .Word(std::uint16_t(std::uint32_t(value) >> 16));
}

ArchiveBytes& ArchiveBytes::Float(float value)
{
    return I32(std::bit_cast<std::int32_t>(value));
}

ArchiveBytes& ArchiveBytes::Hex(std::string_view hex)
{
    for (std::uint8_t b : FromHex(hex))
        Byte(b);
    return *this;
}

ArchiveBytes& ArchiveBytes::Text(std::u16string_view text)
{
    Byte(0xFF).Word(0xFFFE).Byte(std::uint8_t(text.size()));
    for (char16_t unit : text)
        Word(unit);
    return *this;
}

ArchiveBytes& ArchiveBytes::NewClass(std::string_view name)
{
    Word(0xFFFF).Word(1).Word(std::uint16_t(name.size()));
    for (char c : name)
        Byte(std::uint8_t(c));
    return *this;
}

ArchiveBytes& ArchiveBytes::Base(std::int32_t version, std::int32_t x, std::int32_t y,
                                 std::int32_t id)
{
    return I32(version).I32(x).I32(y).I32(id);
}

} // namespace vantrel::test
