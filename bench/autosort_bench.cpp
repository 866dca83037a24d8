// Sorting must stay fast on designs of the controller's full size: the plain
// pass-by-pass sort needs a pass per element on a chain listed backwards.
#include "compiler/autosort.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/autosort_oracle.h"
#include "support/random_designs.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

constexpr int kFullSize = 12228;

// A chain listed in reverse: element i reads element i + 1, the last reads an input.
void FillReversedChain(CVantrelDoc& document, int count)
{
    for (int i = 1; i < count; ++i) {
        auto gate = std::make_unique<LogNot>(Point{i, 0}, i);
        gate->inputs[0] = i + 1;
        document.elements[kMainList].push_back(std::move(gate));
    }
    document.elements[kMainList].push_back(
        std::make_unique<LogIn>(Point{count, 0}, count, 0, u"i"));
}

template <class Fill, class Sort> void RunSort(benchmark::State& state, Fill fill, Sort sort)
{
    for (auto _ : state) {
        state.PauseTiming();
        CVantrelDoc document;
        fill(document);
        state.ResumeTiming();
        benchmark::DoNotOptimize(sort(document));
    }
}

void BM_SortReversedChain(benchmark::State& state)
{
    RunSort(
        state, [](CVantrelDoc& d) { FillReversedChain(d, kFullSize); }, SortMain);
}
BENCHMARK(BM_SortReversedChain)->Unit(benchmark::kMillisecond);

void BM_OracleSortReversedChain(benchmark::State& state)
{
    RunSort(
        state, [](CVantrelDoc& d) { FillReversedChain(d, kFullSize); }, test::OracleSortMain);
}
BENCHMARK(BM_OracleSortReversedChain)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SortRandomDesign(benchmark::State& state)
{
    RunSort(
        state, [](CVantrelDoc& d) { test::FillRandomDesign(d, 42, kFullSize); },
        [](CVantrelDoc& d) { return SortMain(d) + (SortRegisters(d) ? 0 : 1); });
}
BENCHMARK(BM_SortRandomDesign)->Unit(benchmark::kMillisecond);

void BM_OracleSortRandomDesign(benchmark::State& state)
{
    RunSort(
        state, [](CVantrelDoc& d) { test::FillRandomDesign(d, 42, kFullSize); },
        [](CVantrelDoc& d) {
            return test::OracleSortMain(d) + (test::OracleSortRegisters(d) ? 0 : 1);
        });
}
BENCHMARK(BM_OracleSortRandomDesign)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vantrel
