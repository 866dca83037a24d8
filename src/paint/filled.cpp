#include "paint/filled.h"

#include "archive/archive.h"
#include "archive/byte_buffer.h"

namespace vantrel {

namespace {

constexpr std::int32_t kFirstVersionWithActive2Fill = 3;

} // namespace

void SerializeFillColors(CArchive& archive, ColorSet& colors, std::int32_t version)
{
    archive.Exchange(colors[0]);
    archive.Exchange(colors[1]);
    if (version >= kFirstVersionWithActive2Fill)
        archive.Exchange(colors[2]);
}

void WriteFillRecord(ByteWriter& out, const ColorSet& colors)
{
    for (Colour colour : colors)
        out.Put(colour);
}

} // namespace vantrel
