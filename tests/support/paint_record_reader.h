#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vantrel {
class PaintStuff;
} // namespace vantrel

namespace vantrel::test {

// Reads little-endian flash records. A record that ends early fails with the
// archive's end-of-file error, as a damaged file would.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::u16string fileName = {})
        : bytes_(bytes), fileName_(std::move(fileName))
    {}

    void Get(std::int32_t& value);
    void Get(std::uint32_t& value);
    void Get(float& value);
    // A zero-padded text field of the given size: the text up to the first zero byte.
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

// Reads a paint object's flash record, after its type code, into the object:
// the record layout of each class written out here on its own, so that
// reading back what the program wrote checks the writer.
void ReadPaintRecord(ByteReader& in, PaintStuff& object);

} // namespace vantrel::test
