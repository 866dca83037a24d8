#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vantrel {

// Appends little-endian values to a byte vector: the building block of the
// controller's binary files.
class ByteWriter
{
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Byte(std::uint8_t value) { out_.push_back(value); }
    void Word(std::uint16_t value);
    void Int32(std::int32_t value) { UInt32(std::uint32_t(value)); }
    void UInt32(std::uint32_t value);
    void Float(float value);
    void Bytes(std::span<const std::uint8_t> bytes);
    void Zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }
    // Text as UTF-16 code units in a field of `fieldBytes` bytes: cut so that
    // a terminating zero unit fits, the rest of the field zero.
    void FixedText16(std::u16string_view text, std::size_t fieldBytes);

private:
    std::vector<std::uint8_t>& out_;
};

// Overwrites a little-endian value at an offset already written.
void PutWord(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value);
void PutUInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value);

} // namespace vantrel
