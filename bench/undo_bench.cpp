// Undoing an edit of every element of a full-size design (a move of the
// whole selection, a deletion of everything) must not cost a pass over the
// design per element.
#include "document/vantrel_doc.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

UndoRecord RecordOfEverything(CVantrelDoc& document, UndoRecord::Kind kind)
{
    UndoRecord record{kind, {}, {}};
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            record.elements.push_back(element->Clone());
    return record;
}

void BM_UndoMoveOfEverything(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document, 0);
    std::vector<LogElement*> selection;
    for (auto _ : state) {
        document.PushUndo(RecordOfEverything(document, UndoRecord::kChanged));
        for (ElementList& list : document.elements)
            for (auto& element : list)
                ++element->pos.x;
        selection.clear();
        document.Undo(selection);
    }
    state.counters["elements"] = double(selection.size());
}
BENCHMARK(BM_UndoMoveOfEverything)->Unit(benchmark::kMillisecond);

void BM_UndoDeletionOfEverything(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document, 0);
    std::vector<LogElement*> selection;
    for (auto _ : state) {
        UndoRecord record = RecordOfEverything(document, UndoRecord::kDeleted);
        std::vector<std::int32_t> ids;
        for (const auto& entry : record.elements)
            ids.push_back(entry->id);
        document.PushUndo(std::move(record));
        document.DeleteByIds(ids);
        selection.clear();
        document.Undo(selection);
    }
    state.counters["elements"] = double(selection.size());
}
BENCHMARK(BM_UndoDeletionOfEverything)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
