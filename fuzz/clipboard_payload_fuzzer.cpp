// The bytes as a clipboard payload pasted into a small design of every
// element kind: the first byte chooses the mode (even: logic elements in
// Design mode, odd: paint objects in Preview design), the rest is the
// payload. Logic is pasted a second time into the same design with only two
// element ids left. A pasted design then goes through what the editor does
// next: copy, undo, redo, the checks, sorts and exports, the pictures, and a
// save that must open again.

#include "design_steps.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "editing/view_state.h"
#include "support/every_kind_design.h"
#include "support/fake_image_codec.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using namespace vantrel;

// Pastes into the design and goes on as the editor would.
void PasteInto(CVantrelDoc& document, LayoutMode mode, std::span<const std::uint8_t> payload)
{
    static const test::FakeImageCodec codec;
    ViewState state;
    state.layoutMode = mode;
    const IdsBefore before(document);
    if (!PastePayload(document, state, payload))
        return;
    RequireFreshIds(before, document, state.logicSelection);
    CopySelection(document, state);
    document.Undo(state.logicSelection);
    document.Redo(state.logicSelection);
    // The records swapped the paint objects out; the editor drops its pointers.
    state.paintSelection.clear();
    RunDesignCommands(document, codec);
    DrawPictures(document);
    RequireReopens(SaveToMemory(document, codec), codec);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const LayoutMode mode = data[0] % 2 == 0 ? LayoutMode::Design : LayoutMode::Preview;
    // Logic is pasted a second time into the design with two ids left,
    // where a bigger paste is refused and a smaller one takes the last ids.
    const int designs = mode == LayoutMode::Design ? 2 : 1;
    for (int atTheLimit = 0; atTheLimit < designs; ++atTheLimit) {
        SilentNotifier notifier;
        CVantrelDoc document(&notifier);
        test::BuildEveryKindDesign(document);
        // As after opening it, so that the pasted elements get fresh ids.
        document.RaiseNextIdAboveIds();
        if (atTheLimit == 1)
            document.nextElementId = CVantrelDoc::kLargestElementId - 1;
        PasteInto(document, mode, {data + 1, size - 1});
    }
    return 0;
}
