// Dumping and comparing designs of the controller's full size must stay
// quick: git runs the dump on both sides of every changed design file.
#include "compare/design_comparison.h"
#include "compare/design_diff.h"
#include "compare/design_dump.h"
#include "document/vantrel_doc.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace vantrel {
namespace {

// The whole text of a full-size design with its two page images.
void BM_DumpFullSize(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document);
    for (auto _ : state) {
        std::ostringstream out;
        WriteDump(DumpDesign(document), out);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_DumpFullSize)->Unit(benchmark::kMillisecond);

// A full-size design and a copy of it with a few edits spread over it:
// gates moved and rewired, a paint object recoloured, an element gone.
void FillEditedPair(CVantrelDoc& before, CVantrelDoc& after)
{
    test::FillFullSizeDesign(before);
    test::FillFullSizeDesign(after);
    ElementList& main = after.elements[kMainList];
    for (std::size_t i = 1; i < main.size(); i += 1000) {
        main[i]->pos.y += 100;
        main[i + 1]->inputs[1] = 1;
    }
    main.erase(main.begin() + 5000);
    after.paintObjects[50]->normalColor = 0x123456;
}

// Both designs dumped and compared.
void BM_DiffFullSize(benchmark::State& state)
{
    CVantrelDoc before;
    CVantrelDoc after;
    FillEditedPair(before, after);
    std::size_t changes = 0;
    for (auto _ : state) {
        changes = DiffDumps(DumpDesign(before), DumpDesign(after)).size();
        benchmark::DoNotOptimize(changes);
    }
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_DiffFullSize)->Unit(benchmark::kMillisecond);

// The comparison the editor's Compare panel makes again after each edit
// once the editing settles: the diff with the cells of what differs.
void BM_CompareFullSize(benchmark::State& state)
{
    CVantrelDoc before;
    CVantrelDoc after;
    FillEditedPair(before, after);
    std::size_t marked = 0;
    for (auto _ : state) {
        marked = CompareDesigns(before, after).elements.size();
        benchmark::DoNotOptimize(marked);
    }
    state.counters["elements"] = double(marked);
}
BENCHMARK(BM_CompareFullSize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
