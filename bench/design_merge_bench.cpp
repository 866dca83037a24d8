// Merging designs of the controller's full size must stay quick: git runs
// the merge driver on every design file that both branches changed.
#include "compare/design_merge.h"
#include "document/vantrel_doc.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

// Changes every twentieth element of the main list from `first` on (5 % of
// the elements): moves one of two, rewires the other.
void ChangeEveryTwentieth(CVantrelDoc& document, std::size_t first)
{
    ElementList& main = document.elements[kMainList];
    for (std::size_t i = first; i < main.size(); i += 20) {
        LogElement& element = *main[i];
        if (i / 20 % 2 == 0)
            element.pos.y += 1000;
        else if (element.InputCount() > 0)
            element.inputs[0] = main[i - 1]->id;
        else
            element.pos.x += 1000;
    }
}

// Both sides changed a different 5 % of the elements, so the merge takes
// every change of both and finds no conflict.
void BM_MergeFullSize(benchmark::State& state)
{
    CVantrelDoc base;
    test::FillFullSizeDesign(base);
    CVantrelDoc ours;
    test::FillFullSizeDesign(ours);
    ChangeEveryTwentieth(ours, 1);
    CVantrelDoc theirs;
    test::FillFullSizeDesign(theirs);
    ChangeEveryTwentieth(theirs, 11);
    std::size_t conflicts = 0;
    for (auto _ : state) {
        CVantrelDoc merged;
        conflicts = MergeDesigns(base, ours, theirs, merged).size();
        benchmark::DoNotOptimize(merged.nextElementId);
    }
    state.counters["conflicts"] = double(conflicts);
    state.counters["mainElements"] = double(base.elements[kMainList].size());
}
BENCHMARK(BM_MergeFullSize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
