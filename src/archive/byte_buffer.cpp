#include "archive/byte_buffer.h"

#include "archive/archive_exception.h"
#include "archive/text_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace vantrel {

static_assert(std::endian::native == std::endian::little,
              "records copy little-endian values as they stand in memory");

namespace {

template <class T> void AppendRaw(std::vector<std::uint8_t>& out, T value)
{
    std::uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

} // namespace

void ByteWriter::Put(std::int32_t value)
{
    AppendRaw(out_, value);
}

void ByteWriter::Put(std::uint32_t value)
{
    AppendRaw(out_, value);
}

void ByteWriter::Put(float value)
{
    AppendRaw(out_, value);
}

void ByteWriter::Word(std::uint16_t value)
{
    AppendRaw(out_, value);
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

namespace {

template <class T> void OverwriteRaw(std::vector<std::uint8_t>& bytes, std::size_t offset, T value)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        throw std::out_of_range("record field beyond the written bytes");
    std::memcpy(bytes.data() + offset, &value, sizeof(T));
}

} // namespace

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value)
{
    OverwriteRaw(bytes, offset, value);
}

void PutUInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    OverwriteRaw(bytes, offset, value);
}

void ByteWriter::FixedText(std::u16string_view text, std::size_t fieldSize)
{
    if (fieldSize == 0)
        return;
    std::string bytes = ToCodePage(text);
    bytes.resize(std::min(bytes.size(), fieldSize - 1));
    out_.insert(out_.end(), bytes.begin(), bytes.end());
    out_.insert(out_.end(), fieldSize - bytes.size(), 0);
}

} // namespace vantrel
