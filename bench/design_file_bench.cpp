// Saving and loading a design of the controller's full size, in MB/s of
// design file. Page images go through a trivial codec so that the figures
// measure the archive, not the image encoder.
#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

std::vector<std::uint8_t> Save(CVantrelDoc& document, const ImageCodec& codec)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, codec, ImageFormat::Png);
    return bytes;
}

void BM_SaveFullSizeDesign(benchmark::State& state)
{
    test::FakeImageCodec codec;
    CVantrelDoc document;
    test::FillFullSizeDesign(document, 0);
    std::size_t size = 0;
    for (auto _ : state)
        size = Save(document, codec).size();
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
    state.counters["file_bytes"] = double(size);
}
BENCHMARK(BM_SaveFullSizeDesign)->Unit(benchmark::kMillisecond);

void BM_LoadFullSizeDesign(benchmark::State& state)
{
    test::FakeImageCodec codec;
    CVantrelDoc source;
    test::FillFullSizeDesign(source, 0);
    const std::vector<std::uint8_t> bytes = Save(source, codec);
    for (auto _ : state) {
        CVantrelDoc document;
        CArchive ar(LoadFrom, bytes, SystemClasses());
        document.Serialize(ar, codec, ImageFormat::Png);
        benchmark::DoNotOptimize(document.MainCount());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
    state.counters["file_bytes"] = double(bytes.size());
}
BENCHMARK(BM_LoadFullSizeDesign)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
