#include "editing/paint_tools.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/element_dialogs.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "paint/paint_kinds.h"

namespace vantrel {

namespace {

// The kind a paint tool makes by the action, or none.
const PaintKindRow* KindMadeBy(int paintTool, PaintToolAction action)
{
    const PaintKindRow* kind = FindPaintKind(paintTool);
    return kind && kind->tool == action ? kind : nullptr;
}

// Adds a new object to the paint list as one undo step: beneath every other
// object when its kind goes there, else on top.
void AddPaintObject(CVantrelDoc& document, std::unique_ptr<PaintStuff> object)
{
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    auto& list = document.paintObjects;
    const bool beneath = object->KindRow().drawnBeneath;
    list.insert(beneath ? list.begin() : list.end(), std::move(object));
    edit.Commit();
}

// "Add Text" for a text tool's click; an empty text or Cancel places nothing.
bool PlaceText(CVantrelDoc& document, ElementDialogs& dialogs, const ViewState& state, Point click,
               const Rect& client)
{
    const PaintKindRow* kind = KindMadeBy(state.paintTool, PaintToolAction::Click);
    if (!kind)
        return false;
    const std::optional<TextBoxResult> entered = dialogs.TextBox(u"", u"", false);
    if (!entered || entered->text.empty())
        return false;
    AddPaintObject(document, kind->makeText(click, client, entered->text, state.currentPage));
    return true;
}

} // namespace

bool IsShapeTool(int paintTool)
{
    return KindMadeBy(paintTool, PaintToolAction::Drag) != nullptr;
}

bool DragPaintShape(ViewState& state, Point at, const Rect& client)
{
    const PaintKindRow* kind = KindMadeBy(state.paintTool, PaintToolAction::Drag);
    if (!kind)
        return false;
    std::unique_ptr<PaintStuff> shape = kind->make();
    shape->from = FPoint::FromDevice(state.dragAnchor, client);
    shape->to = FPoint::FromDevice(at, client);
    shape->pageIndex = state.currentPage;
    state.underConstruction = std::move(shape);
    return true;
}

bool ReleasePaintTool(CVantrelDoc& document, ElementDialogs& dialogs, ViewState& state,
                      Point release, const Rect& client, bool rightButtonHeld)
{
    // The object under construction leaves the view whatever happens.
    std::unique_ptr<PaintStuff> shape = std::move(state.underConstruction);
    if (rightButtonHeld)
        return false;
    if (release != state.dragAnchor) {
        if (state.paintTool == command::kPaintSelect) {
            SelectPaintByRubberBand(document, state, release, client);
            return false;
        }
        if (!shape)
            return false;
        AddPaintObject(document, std::move(shape));
        return true;
    }
    SelectPaintByClick(document, state, release, client);
    return PlaceText(document, dialogs, state, release, client);
}

} // namespace vantrel
