#include "support/image_bombs.h"

#include <initializer_list>

namespace vantrel::test {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(Bytes& bytes, std::uint32_t value)
{
    for (int shift : {24, 16, 8, 0})
        bytes.push_back(std::uint8_t(value >> shift));
}

void PutLittleEndian(Bytes& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(std::uint8_t(value >> (8 * i)));
}

void PutChunk(Bytes& png, const char* type, const Bytes& data)
{
    PutBigEndian(png, std::uint32_t(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, Crc32(png.data() + start, png.size() - start));
}

// A JPEG marker segment: the marker, its length (which counts itself) and
// the data.
void PutSegment(Bytes& jpeg, std::uint8_t marker, std::initializer_list<std::uint8_t> data)
{
    jpeg.insert(jpeg.end(), {0xFF, marker});
    const std::size_t length = data.size() + 2;
    jpeg.insert(jpeg.end(), {std::uint8_t(length >> 8), std::uint8_t(length)});
    jpeg.insert(jpeg.end(), data);
}

} // namespace

Bytes PngClaiming(std::uint32_t width, std::uint32_t height, std::uint8_t colourType,
                  const Bytes& zlibRows)
{
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, colourType, 0, 0, 0}); // 8 bits, deflate, no interlace
    PutChunk(png, "IHDR", header);
    // By default a stored zlib block of 5 zero bytes and its Adler-32.
    PutChunk(png, "IDAT",
             zlibRows.empty() ? Bytes{0x78, 0x01, 0x01, 0x05, 0x00, 0xFA, 0xFF, 0, 0, 0, 0, 0, 0x00,
                                      0x05, 0x00, 0x01}
                              : zlibRows);
    PutChunk(png, "IEND", {});
    return png;
}

Bytes GifClaiming(std::uint16_t width, std::uint16_t height)
{
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    PutLittleEndian(gif, width, 2);
    PutLittleEndian(gif, height, 2);
    gif.insert(gif.end(), {0x80, 0, 0});                      // a global table of two colours
    gif.insert(gif.end(), {0, 0, 0, 0xFF, 0xFF, 0xFF});       // black, white
    gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0}); // a 1 x 1 frame at 0, 0
    // Minimum code size 2; codes clear, 0, end of 3 bits each; block end.
    gif.insert(gif.end(), {0x02, 0x02, 0x44, 0x01, 0x00});
    gif.push_back(0x3B);
    return gif;
}

Bytes TruncatedJpegClaiming(std::uint16_t width, std::uint16_t height)
{
    Bytes jpeg = {0xFF, 0xD8};
    jpeg.insert(jpeg.end(), {0xFF, 0xDB, 0x00, 0x43, 0x00});
    jpeg.insert(jpeg.end(), 64, 0x01); // one quantisation table of ones
    const auto high = [](std::uint16_t value) { return std::uint8_t(value >> 8); };
    const auto low = [](std::uint16_t value) { return std::uint8_t(value); };
    // Three components, none subsampled, all on table 0.
    PutSegment(jpeg, 0xC0,
               {8, high(height), low(height), high(width), low(width), 3, 1, 0x11, 0, 2, 0x11, 0, 3,
                0x11, 0});
    // A DC and an AC table, each with the one-bit code 0 for symbol 0.
    for (const std::uint8_t tableClass : {0x00, 0x10})
        PutSegment(jpeg, 0xC4, {tableClass, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    PutSegment(jpeg, 0xDA, {3, 1, 0, 2, 0, 3, 0, 0, 63, 0});
    jpeg.insert(jpeg.end(), {0, 0, 0, 0}); // and no more, no end marker
    return jpeg;
}

Bytes IconHolding(const Bytes& png)
{
    Bytes icon = {0, 0, 1, 0, 1, 0};                      // an icon file of one image
    icon.insert(icon.end(), {16, 16, 0, 0, 1, 0, 32, 0}); // 16 x 16, 32 bits
    PutLittleEndian(icon, std::uint32_t(png.size()), 4);
    PutLittleEndian(icon, std::uint32_t(icon.size() + 4), 4); // the PNG follows
    icon.insert(icon.end(), png.begin(), png.end());
    return icon;
}

} // namespace vantrel::test
