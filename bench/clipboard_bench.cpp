// Copying and pasting the whole of a full-size design: the payload is made
// and read in one pass each, whatever the size of the selection.
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

struct Selected
{
    Selected()
    {
        test::FillFullSizeDesign(document, 0);
        SelectAllLogic(document, state);
    }

    CVantrelDoc document;
    ViewState state;
};

void BM_CopyEverything(benchmark::State& state)
{
    Selected source;
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = LogicPayload(source.document, source.state.logicSelection).size();
    state.counters["elements"] = double(source.state.logicSelection.size());
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_CopyEverything)->Unit(benchmark::kMillisecond);

// Into a new design (argument 0), or on top of the design it came from (1),
// whose lists and history then grow.
void BM_PasteEverything(benchmark::State& state)
{
    Selected source;
    const std::vector<std::uint8_t> payload =
        LogicPayload(source.document, source.state.logicSelection);
    std::size_t pasted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<CVantrelDoc>();
        if (state.range(0) != 0)
            test::FillFullSizeDesign(*target, 0);
        ViewState view;
        state.ResumeTiming();
        PastePayload(*target, view, payload);
        pasted = view.logicSelection.size();
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.counters["pasted"] = double(pasted);
}
BENCHMARK(BM_PasteEverything)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
