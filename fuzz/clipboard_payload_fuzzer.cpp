// The bytes as a clipboard payload pasted into a small design of every
// element kind: the first byte chooses the mode (even: logic elements in
// Design mode, odd: paint objects in Preview design), the rest is the
// payload. A pasted design then goes through what the editor does next:
// copy, undo, redo, the checks, sorts and exports, the pictures, and a save
// that must open again.

#include "design_steps.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "editing/view_state.h"
#include "support/every_kind_design.h"
#include "support/fake_image_codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vantrel;
    if (size == 0)
        return 0;
    static const test::FakeImageCodec codec;
    SilentNotifier notifier;
    CVantrelDoc document(&notifier);
    test::BuildEveryKindDesign(document);
    // As after opening it, so that the pasted elements get fresh ids.
    document.RaiseNextIdAboveIds();
    ViewState state;
    state.layoutMode = data[0] % 2 == 0 ? LayoutMode::Design : LayoutMode::Preview;
    if (!PastePayload(document, state, {data + 1, size - 1}))
        return 0;
    CopySelection(document, state);
    document.Undo(state.logicSelection);
    document.Redo(state.logicSelection);
    // The records swapped the paint objects out; the editor drops its pointers.
    state.paintSelection.clear();
    RunDesignCommands(document, codec);
    DrawPictures(document);
    RequireReopens(SaveToMemory(document, codec), codec);
    return 0;
}
