#include "compiler/image_header.h"

#include "archive/byte_buffer.h"
#include "compiler/crc16.h"

#include <stdexcept>

namespace vantrel {

namespace {

// Hands every stored value of the header to `field` in stored order,
// reserved bytes included, so that writing and reading share one layout.
template <class Field> void VisitFields(ImageHeader& h, Field&& field)
{
    std::uint8_t reservedByte = 0;
    std::uint16_t reservedWord = 0;
    field(h.checksum);
    field(h.size);
    field(h.version);
    field(h.designStamp);
    field(h.randomNumber);
    for (std::uint8_t* byte : {&h.speed, &h.inputBytes, &h.outputBytes, &h.userInputBytes,
                               &h.userOutputBytes, &reservedByte})
        field(*byte);
    for (std::uint16_t* word : {&h.mainCount, &h.logicOffset, &h.numericCount, &h.numericOffset,
                                &h.constantCount, &h.constantOffset, &h.storageRegisterCount,
                                &h.remoteRequestOffset, &h.remoteRequestCount})
        field(*word);
    for (std::uint8_t* byte : {&h.remoteModuleFile, &h.remoteInputBytes, &h.remoteOutputBytes,
                               &h.moduleIndex, &h.remoteRequestSize, &h.registerIdCount})
        field(*byte);
    for (std::uint16_t* word : {&h.registerIdOffset, &h.baud, &reservedWord})
        field(*word);
}

template <class T> T ReadLittleEndian(std::span<const std::uint8_t> bytes, std::size_t& offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= std::uint32_t(bytes[offset + i]) << (8 * i);
    offset += sizeof(T);
    return T(value);
}

} // namespace

std::vector<std::uint8_t> HeaderBytes(const ImageHeader& header)
{
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    ImageHeader copy = header;
    VisitFields(copy, [&out]<class T>(T& value) {
        if constexpr (sizeof(T) == 1)
            out.Byte(value);
        else if constexpr (sizeof(T) == 2)
            out.Word(value);
        else
            out.Put(std::uint32_t(value));
    });
    return bytes;
}

ImageHeader ReadHeader(std::span<const std::uint8_t> image)
{
    if (image.size() < ImageHeader::kSize)
        throw std::invalid_argument("an image holds at least its header");
    ImageHeader header;
    std::size_t offset = 0;
    VisitFields(header, [&]<class T>(T& value) { value = ReadLittleEndian<T>(image, offset); });
    return header;
}

void SealChecksum(std::span<std::uint8_t> image)
{
    const std::uint32_t crc = Crc16(image.subspan(4));
    for (int i = 0; i < 4; ++i)
        image[std::size_t(i)] = std::uint8_t(crc >> (8 * i));
}

} // namespace vantrel
