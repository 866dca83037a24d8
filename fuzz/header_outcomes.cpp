#include "header_outcomes.h"

#include "qt_adapters/png_chunks.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <functional>
#include <string_view>

namespace {

constexpr std::size_t kOutcomeSlots = 4096;

// libFuzzer counts every byte of this section as a coverage counter.
__attribute__((section("__libfuzzer_extra_counters"))) std::uint8_t outcomeCounters[kOutcomeSlots];

// The number of bits of a dimension: 0 for none or a negative one.
std::size_t SizeClass(int dimension)
{
    return dimension <= 0 ? 0 : std::size_t(std::bit_width(unsigned(dimension)));
}

} // namespace

void NoteHeaderOutcome(std::span<const std::uint8_t> bytes, bool decoded)
{
    // The reader below must not meet what the codec keeps from the decoder.
    if (!vantrel::PngChunksFit(bytes))
        return;
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              qsizetype(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return;
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    std::size_t outcome =
        std::hash<std::string_view>{}({format.constData(), std::size_t(format.size())});
    outcome = outcome * 31 + SizeClass(size.width());
    outcome = outcome * 31 + SizeClass(size.height());
    outcome = outcome * 31 + std::size_t(reader.imageFormat());
    outcome = outcome * 31 + std::size_t(std::clamp(reader.imageCount(), -1, 8) + 1);
    outcome = outcome * 2 + (decoded ? 1 : 0);
    std::uint8_t& counter = outcomeCounters[outcome % kOutcomeSlots];
    counter = std::uint8_t(counter + 1);
}
