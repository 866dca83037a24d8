#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

// Builds the fixed binary records of the controller's files (flash file,
// remote module files): little-endian 32-bit values and floats, and texts in
// fixed-size 8-bit fields, appended to a byte vector.
class ByteWriter
{
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(std::int32_t value);
    void Put(std::uint32_t value);
    void Put(float value);
    void Byte(std::uint8_t value) { out_.push_back(value); }
    void Word(std::uint16_t value);
    void Bytes(std::span<const std::uint8_t> bytes);
    void Zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }
    // The text in the 8-bit code page, cut so that a terminating zero fits,
    // then zero-filled to `fieldSize` bytes.
    void FixedText(std::u16string_view text, std::size_t fieldSize);
    // The same with UTF-16 code units: a field of `fieldBytes` bytes.
    void FixedText16(std::u16string_view text, std::size_t fieldBytes);

private:
    std::vector<std::uint8_t>& out_;
};

// Overwrites a little-endian value at an offset already written.
void PutWord(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value);
void PutUInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value);

} // namespace vantrel
