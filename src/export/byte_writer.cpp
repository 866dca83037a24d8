#include "export/byte_writer.h"

#include <algorithm>
#include <bit>

namespace vantrel {

void ByteWriter::Word(std::uint16_t value)
{
    out_.push_back(std::uint8_t(value));
    out_.push_back(std::uint8_t(value >> 8));
}

void ByteWriter::UInt32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out_.push_back(std::uint8_t(value >> shift));
}

void ByteWriter::Float(float value)
{
    UInt32(std::bit_cast<std::uint32_t>(value));
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes)
{
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::FixedText16(std::u16string_view text, std::size_t fieldBytes)
{
    const std::size_t units = fieldBytes / 2;
    const std::size_t kept = units == 0 ? 0 : std::min(text.size(), units - 1);
    for (std::size_t i = 0; i < kept; ++i)
        Word(text[i]);
    Zeros(fieldBytes - 2 * kept);
}

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value)
{
    bytes.at(offset) = std::uint8_t(value);
    bytes.at(offset + 1) = std::uint8_t(value >> 8);
}

void PutUInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = std::uint8_t(value >> (8 * i));
}

} // namespace vantrel
