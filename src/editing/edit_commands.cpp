// The Edit menu's commands: undo and redo, the clipboard, Select All, Find,
// Replicate, the page background, flip and normalize. The clipboard moves
// the payload bytes; building and pasting them is the payload's own work.
#include "document/vantrel_doc.h"
#include "editing/clipboard.h"
#include "editing/clipboard_payload.h"
#include "editing/editing_command_groups.h"
#include "editing/element_search.h"
#include "editing/page_background.h"
#include "editing/paint_editing.h"
#include "editing/replicate.h"
#include "editing/selection.h"
#include "editing/view_prompts.h"
#include "editing/view_state.h"

#include <algorithm>
#include <deque>

namespace vantrel {

namespace {

using namespace command;

// Whether Undo or Redo has a step to take: any in Design; in Preview design
// only one that changes what the pages show (paint, background).
bool CanStepThrough(const std::deque<UndoRecord>& stack, const ViewState& state)
{
    if (stack.empty())
        return false;
    if (state.InDesign())
        return true;
    const UndoRecord& top = stack.back();
    constexpr unsigned kShownOnPages = DesignState::kPaint | DesignState::kBackground;
    return top.kind == UndoRecord::kState && top.state && (top.state->aspects & kShownOnPages);
}

bool CanUndo(const EditingQuery& query, int)
{
    return CanStepThrough(query.document.UndoStack(), query.state);
}

bool CanRedo(const EditingQuery& query, int)
{
    return CanStepThrough(query.document.RedoStack(), query.state);
}

// After the step the paint selection may name objects the step took out of
// the design, and the page images may have changed.
CommandEffects StepThroughHistory(EditingContext& context, int id)
{
    ViewState& state = context.state;
    state.logicSelection.clear();
    if (id == kEditUndo)
        context.document.Undo(state.logicSelection);
    else
        context.document.Redo(state.logicSelection);
    DropStalePaintSelection(context.document, state);
    // A step can take back pages the view was showing.
    state.currentPage =
        std::min(state.currentPage, int(context.document.pageBackgrounds.size()) - 1);
    return effect::kPageImages | effect::kRedraw;
}

bool HasSelection(const EditingQuery& query, int)
{
    const ViewState& state = query.state;
    return state.InDesign() ? !state.logicSelection.empty() : !state.paintSelection.empty();
}

CommandEffects Copy(EditingContext& context, int)
{
    const std::optional<std::vector<std::uint8_t>> payload =
        CopySelection(context.document, context.state);
    if (!payload)
        return effect::kNone;
    // The platform may refuse the clipboard (another program holding it):
    // the user hears of it instead of finding nothing to paste.
    if (!context.clipboard.Write(ClipboardFormat(context.state), *payload))
        context.document.GetNotifier().Message(u"The selection could not be put on the clipboard.",
                                               kApplicationTitle, MessageButtons::Ok);
    return effect::kMenus;
}

bool ClipboardHoldsModeData(const EditingQuery& query, int)
{
    return query.clipboard.Holds(ClipboardFormat(query.state));
}

CommandEffects Paste(EditingContext& context, int)
{
    const std::optional<std::vector<std::uint8_t>> bytes =
        context.clipboard.Read(ClipboardFormat(context.state));
    if (bytes && PastePayload(context.document, context.state, *bytes))
        return effect::kRedraw;
    return effect::kNone;
}

bool CanReplicateNow(const EditingQuery& query, int)
{
    return CanReplicate(query.state);
}

CommandEffects Replicate(EditingContext& context, int)
{
    return ReplicateSelected(context.document, context.state) ? effect::kRedraw : effect::kNone;
}

CommandEffects SelectAll(EditingContext& context, int)
{
    if (context.state.InDesign())
        SelectAllLogic(context.document, context.state);
    else
        SelectAllPaint(context.document, context.state);
    return effect::kRedraw;
}

CommandEffects Find(EditingContext& context, int)
{
    const std::optional<std::int32_t> id =
        context.prompts.FindElement(DescribedElements(context.document));
    if (id && ShowFoundElement(context.document, context.state, *id, context.client))
        return effect::kRedraw;
    return effect::kNone;
}

CommandEffects ChooseBackgroundColour(EditingContext& context, int)
{
    const std::optional<Colour> colour =
        context.prompts.ChooseColour(context.document.backgroundColour);
    if (!colour)
        return effect::kRedraw;
    SetBackgroundColour(context.document, context.state.currentPage, *colour);
    return effect::kPageImages | effect::kRedraw;
}

CommandEffects ImportBackgroundImage(EditingContext& context, int)
{
    const std::optional<std::filesystem::path> path = context.prompts.OpenFileName();
    if (!path)
        return effect::kNone;
    ImportBackground(context.document, context.state.currentPage, *path, context.codec);
    return effect::kPageImages | effect::kRedraw;
}

CommandEffects Flip(EditingContext& context, int id)
{
    return FlipPaintSelection(context.document, context.state, id == kFlipHorizontally)
               ? effect::kRedraw
               : effect::kNone;
}

bool HasPaintSelection(const EditingQuery& query, int)
{
    return !query.state.InDesign() && !query.state.paintSelection.empty();
}

CommandEffects Normalize(EditingContext& context, int)
{
    return NormalizePaintSelection(context.document, context.state) ? effect::kRedraw
                                                                    : effect::kNone;
}

const EditingCommandRow kRows[] = {
    {PlainLook(kEditUndo, "Undo\tCtrl+Z", "Undo the last action\nUndo",
               {"Ctrl+Z", "Alt+Backspace"}),
     StepThroughHistory, CanUndo, nullptr},
    {PlainLook(kEditRedo, "Redo\tCtrl+Y", "Redo the previously undone action\nRedo", {"Ctrl+Y"}),
     StepThroughHistory, CanRedo, nullptr},
    // Cutting is not offered: the item is shown, always disabled, and its
    // keys do nothing.
    {PlainLook(kEditCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard\nCut",
               {"Ctrl+X", "Shift+Del"}, ButtonPicture::Scissors),
     nullptr, nullptr, nullptr},
    {PlainLook(kEditCopy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard\nCopy",
               {"Ctrl+C", "Ctrl+Ins"}, ButtonPicture::Copy),
     Copy, HasSelection, nullptr},
    {PlainLook(kEditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste",
               {"Ctrl+V", "Shift+Ins"}, ButtonPicture::Paste),
     Paste, ClipboardHoldsModeData, nullptr},
    {PlainLook(kEditReplicate, "Replicate\tCtrl+R", nullptr, {"Ctrl+R"}), Replicate,
     CanReplicateNow, nullptr},
    {PlainLook(kEditSelectAll, "Select All\t Ctrl+A", nullptr, {"Ctrl+A"}), SelectAll, nullptr,
     nullptr},
    {PlainLook(kEditFind, "Find\tCtrl+F", "Find the specified text\nFind", {"Ctrl+F"}), Find,
     InDesign, nullptr},
    {PlainLook(kBackgroundColor, "Background Color"), ChooseBackgroundColour, InPreview, nullptr},
    {PlainLook(kImportBackground, "Import background"), ImportBackgroundImage, InPreview, nullptr},
    {PlainLook(kFlipHorizontally, "Horizontally"), Flip, InPreview, nullptr},
    {PlainLook(kFlipVertically, "Vertically"), Flip, InPreview, nullptr},
    {PlainLook(kNormalize, "Normalize"), Normalize, HasPaintSelection, nullptr},
};

} // namespace

std::span<const EditingCommandRow> EditCommandRows()
{
    return kRows;
}

} // namespace vantrel
