#include "editing/paint_tools.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

namespace vantrel {

namespace {

using namespace command;

std::unique_ptr<PaintStuff> NewShape(int paintTool)
{
    switch (paintTool) {
    case kPaintLine:
        return std::make_unique<Line>();
    case kPaintEllipse:
        return std::make_unique<Circle>();
    case kPaintFilledEllipse:
        return std::make_unique<FilledCircle>();
    case kPaintRectangle:
        return std::make_unique<Square>();
    case kPaintFilledRectangle:
        return std::make_unique<FilledSquare>();
    default:
        return nullptr;
    }
}

// Adds a new object to the paint list as one undo step. Ellipses go beneath
// every other object, so that the figures drawn over them stay visible.
void AddPaintObject(CVantrelDoc& document, std::unique_ptr<PaintStuff> object)
{
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    auto& list = document.paintObjects;
    const bool beneath = dynamic_cast<const Circle*>(object.get()) != nullptr;
    list.insert(beneath ? list.begin() : list.end(), std::move(object));
    edit.Commit();
}

// "Add Text" for a text tool's click; an empty text or Cancel places nothing.
bool PlaceText(CVantrelDoc& document, ElementDialogs& dialogs, const ViewState& state, Point click,
               const Rect& client)
{
    const std::optional<TextBoxResult> entered = dialogs.TextBox(u"", u"", false);
    if (!entered || entered->text.empty())
        return false;
    std::unique_ptr<PaintStuff> text;
    if (state.paintTool == kPaintText)
        text = std::make_unique<TextStuff>(click, client, entered->text, state.currentPage);
    else
        text = std::make_unique<FilledText>(click, client, entered->text, state.currentPage);
    AddPaintObject(document, std::move(text));
    return true;
}

} // namespace

bool IsShapeTool(int paintTool)
{
    switch (paintTool) {
    case kPaintLine:
    case kPaintEllipse:
    case kPaintFilledEllipse:
    case kPaintRectangle:
    case kPaintFilledRectangle:
        return true;
    default:
        return false;
    }
}

bool DragPaintShape(ViewState& state, Point at, const Rect& client)
{
    std::unique_ptr<PaintStuff> shape = NewShape(state.paintTool);
    if (!shape)
        return false;
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
        if (state.paintTool == kPaintSelect) {
            SelectPaintByRubberBand(document, state, release, client);
            return false;
        }
        if (!shape)
            return false;
        AddPaintObject(document, std::move(shape));
        return true;
    }
    SelectPaintByClick(document, state, release, client);
    if (state.paintTool == kPaintText || state.paintTool == kPaintFilledText)
        return PlaceText(document, dialogs, state, release, client);
    return false;
}

} // namespace vantrel
