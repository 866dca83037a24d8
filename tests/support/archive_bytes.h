#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

// Writes archive bytes by hand, one value at a time, so a test can spell out
// a file the way its layout reads: I32(19).I32(32)...NewClass("LogAnd")...
class ArchiveBytes
{
public:
    ArchiveBytes& Byte(std::uint8_t value);
    ArchiveBytes& Word(std::uint16_t value);
    ArchiveBytes& I32(std::int32_t value);
    ArchiveBytes& Float(float value);
    ArchiveBytes& Hex(std::string_view hex);
    // UTF-16 text with its marker and one-byte length.
    ArchiveBytes& Text(std::u16string_view text);
    // A class record: tag FFFF, schema 1, name length, name.
    ArchiveBytes& NewClass(std::string_view name);
    // A reference to the class record with table number `number`.
    ArchiveBytes& ClassRef(std::uint16_t number) { return Word(std::uint16_t(0x8000 | number)); }
    // An element base part of the given element version.
    ArchiveBytes& Base(std::int32_t version, std::int32_t x, std::int32_t y, std::int32_t id);
    ArchiveBytes& EmptyList() { return Word(0); }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace vantrel::test
