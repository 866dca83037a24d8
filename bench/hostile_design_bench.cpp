// Opening and sorting hostile design files of growing size: each doubling
// of the elements should about double the time (a ratio far above 2 means
// a reader that walks the design again for each element).
#include "compiler/autosort.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"
#include "support/hostile_designs.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

void OpenAndSort(benchmark::State& state, const std::vector<std::uint8_t>& bytes)
{
    test::FakeImageCodec codec;
    SilentNotifier silent;
    for (auto _ : state) {
        CVantrelDoc document(&silent);
        LoadDesign(document, bytes, u"hostile.lgc", codec);
        AutoSort(document);
        benchmark::DoNotOptimize(document.LoopSet().size());
    }
    state.counters["elements"] = double(state.range(0));
}

// A third of the elements read the end of a chain made of the rest.
void BM_OpenAndSortMarkerChain(benchmark::State& state)
{
    const int elements = int(state.range(0));
    OpenAndSort(state, test::MarkerChain(elements / 3, elements / 3));
}

void BM_OpenAndSortMarkersInMainList(benchmark::State& state)
{
    OpenAndSort(state, test::MarkersInMainList(int(state.range(0))));
}

void BM_OpenAndSortDanglingInputs(benchmark::State& state)
{
    OpenAndSort(state, test::DanglingInputs(int(state.range(0))));
}

BENCHMARK(BM_OpenAndSortMarkerChain)
    ->Arg(12000)
    ->Arg(24000)
    ->Arg(48000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndSortMarkersInMainList)
    ->Arg(12000)
    ->Arg(24000)
    ->Arg(48000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndSortDanglingInputs)
    ->Arg(12000)
    ->Arg(24000)
    ->Arg(48000)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
