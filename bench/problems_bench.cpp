// The problems dock checks the design again after every edit, so a check of
// a design of the controller's full size must take a few milliseconds.
#include "compiler/design_problems.h"
#include "document/vantrel_doc.h"
#include "support/full_size_design.h"
#include "support/random_designs.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

// Each check follows an edit: the loop set is rebuilt as part of it.
void RunChecks(benchmark::State& state, CVantrelDoc& document)
{
    std::size_t problems = 0;
    for (auto _ : state) {
        document.SetModified(true);
        problems = FindProblems(document).size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = double(problems);
}

void BM_CheckFullSize(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document, 1);
    RunChecks(state, document);
}
BENCHMARK(BM_CheckFullSize)->Unit(benchmark::kMillisecond);

// As many elements, wired at random: thousands of problems to describe.
void BM_CheckFullSizeFullOfProblems(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillRandomDesign(document, 7, 12228);
    RunChecks(state, document);
}
BENCHMARK(BM_CheckFullSizeFullOfProblems)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
