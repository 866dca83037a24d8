// The PNG chunk walk that refuses a chunk claiming more bytes than the file
// has, before the PNG library allocates its declared length. CRCs are not
// checked by the walk, so the hand-made chunks carry zeros.
#include "qt_adapters/png_chunks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// A chunk whose length field says `declared` and which carries `present`
// data bytes and, when complete, its CRC.
Bytes Chunk(const char* type, std::uint32_t declared, std::size_t present, bool withCrc = true)
{
    Bytes chunk = {std::uint8_t(declared >> 24), std::uint8_t(declared >> 16),
                   std::uint8_t(declared >> 8), std::uint8_t(declared)};
    for (int i = 0; i < 4; ++i)
        chunk.push_back(std::uint8_t(type[i]));
    chunk.insert(chunk.end(), present, 0);
    if (withCrc)
        chunk.insert(chunk.end(), 4, 0);
    return chunk;
}

Bytes Png(std::initializer_list<Bytes> chunks)
{
    Bytes png = kSignature;
    for (const Bytes& chunk : chunks)
        png.insert(png.end(), chunk.begin(), chunk.end());
    return png;
}

TEST(PngChunks, RefusesOnlyAChunkThatClaimsMoreThanTheFileHas)
{
    const Bytes header = Chunk("IHDR", 13, 13);
    const Bytes end = Chunk("IEND", 0, 0);
    const struct
    {
        std::string what;
        Bytes bytes;
        bool fits;
    } cases[] = {
        {"not a PNG", {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0x7F}, true},
        {"the signature alone", kSignature, true},
        {"a complete file", Png({header, Chunk("IDAT", 5, 5), end}), true},
        // The fuzzer's find: 74 bytes whose text chunk claims 1.1 GB.
        {"a text chunk claiming a gigabyte", Png({header, Chunk("zTXt", 0x44415408, 8, false)}),
         false},
        {"a header claiming one byte too many", Png({Chunk("IHDR", 14, 13), end}), false},
        {"image data cut short", Png({header, Chunk("IDAT", 1000, 10, false)}), true},
        {"a chunk cut short in its length field", Png({header, Bytes{0, 0, 0}}), true},
        {"a lying chunk after IEND is never read", Png({header, end, Chunk("tEXt", ~0u, 1)}), true},
        {"a length over 2^31", Png({header, Chunk("iCCP", 0xFFFFFFFF, 4, false)}), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PngChunksFit(c.bytes), c.fits) << c.what;
}

} // namespace
} // namespace vantrel
