// The loop set is rebuilt after every edit, so it must stay linear on designs
// of the controller's full size (12 228 logic elements) and beyond.
#include "document/vantrel_doc.h"
#include "elements/gates.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

// A main list of `count` gates listed in reverse evaluation order: element i
// reads element i + 1, so the whole list is one long chain, and every 64th
// element also reads one 48 places back up the chain, closing a loop.
void FillChainsWithLoops(CVantrelDoc& document, int count)
{
    ElementList& main = document.elements[kMainList];
    main.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        auto gate = std::make_unique<LogAnd>(Point{i % 100, i / 100}, i + 1);
        gate->inputs[0] = i + 2 <= count ? i + 2 : 0;
        gate->inputs[1] = i % 64 == 0 && i >= 48 ? i + 1 - 48 : 0;
        main.push_back(std::move(gate));
    }
}

void BM_RebuildLoopSet(benchmark::State& state)
{
    CVantrelDoc document;
    FillChainsWithLoops(document, int(state.range(0)));
    for (auto _ : state) {
        document.RebuildLoopSet();
        benchmark::DoNotOptimize(document.LoopSet().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RebuildLoopSet)
    ->Arg(12228)
    ->Arg(24456)
    ->Arg(48912)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
