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

// Reads such records back. A record that ends early fails with the
// archive's end-of-file error, so a damaged file is reported like any other.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::u16string fileName = {})
        : bytes_(bytes), fileName_(std::move(fileName))
    {}

    void Get(std::int32_t& value);
    void Get(std::uint32_t& value);
    void Get(float& value);
    // A field written by FixedText: the text up to the first zero byte.
    std::u16string FixedText(std::size_t fieldSize);
    std::size_t BytesLeft() const { return bytes_.size() - position_; }
    // Fails unless `count` more bytes follow: a count read from the record
    // is checked before anything of that size is allocated.
    void Require(std::size_t count) const;

private:
    std::span<const std::uint8_t> Take(std::size_t count);

    std::span<const std::uint8_t> bytes_;
    std::u16string fileName_;
    std::size_t position_ = 0;
};

} // namespace vantrel
