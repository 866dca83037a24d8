// The view's commands and double click on the paint layer of the preview pages.
#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "editing/paint_editing.h"

namespace vantrel {

using namespace command;

bool CVantrelView::HandlesPaintCommand(int id)
{
    return id == kFlipHorizontally || id == kFlipVertically || id == kNormalize;
}

bool CVantrelView::IsPaintCommandEnabled(int id) const
{
    if (state_.InDesign())
        return false;
    return id != kNormalize || !state_.paintSelection.empty();
}

void CVantrelView::OnPaintCommand(int id)
{
    bool changed = false;
    switch (id) {
    case kFlipHorizontally:
    case kFlipVertically:
        changed = FlipPaintSelection(document_, state_, id == kFlipHorizontally);
        break;
    case kNormalize:
        changed = NormalizePaintSelection(document_, state_);
        break;
    default:
        break;
    }
    if (changed)
        Redraw();
}

void CVantrelView::DoubleClickInPreview(Point click)
{
    if (EditPaintObjectAt(document_, dialogs_, state_, click, ClientRect()))
        Redraw();
}

bool CVantrelView::CanStepThrough(const std::deque<UndoRecord>& stack) const
{
    if (stack.empty())
        return false;
    if (state_.InDesign())
        return true;
    const UndoRecord& top = stack.back();
    constexpr unsigned kShownOnPages = DesignState::kPaint | DesignState::kBackground;
    return top.kind == UndoRecord::kState && top.state && (top.state->aspects & kShownOnPages);
}

} // namespace vantrel
