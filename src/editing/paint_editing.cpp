#include "editing/paint_editing.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"
#include "editing/view_state.h"

#include <algorithm>
#include <unordered_set>

namespace vantrel {

namespace {

PaintStuff* TopmostAt(const CVantrelDoc& document, const ViewState& state, Point click,
                      const Rect& client)
{
    const auto& list = document.paintObjects;
    for (auto object = list.rbegin(); object != list.rend(); ++object)
        if ((*object)->HitTestAt(click, client, state.currentPage))
            return object->get();
    return nullptr;
}

} // namespace

bool EditPaintObjectAt(CVantrelDoc& document, ElementDialogs& dialogs, const ViewState& state,
                       Point click, const Rect& client)
{
    PaintStuff* object = TopmostAt(document, state, click, client);
    if (!object)
        return false;
    // The text and the colours together are one step.
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    bool changed = false;
    if (std::u16string* text = object->TextRef()) {
        if (const auto entered = dialogs.TextBox(*text, u"", false)) {
            *text = entered->text;
            changed = true;
        }
    }
    if (const auto edited = dialogs.ElColorConfig(object->Clone(), document)) {
        object->CopyFrom(*edited);
        changed = true;
    }
    if (changed)
        edit.Commit();
    return changed;
}

bool FlipPaintSelection(CVantrelDoc& document, const ViewState& state, bool horizontally)
{
    if (state.paintSelection.empty())
        return false;
    auto axis = [horizontally](const FPoint& point) { return horizontally ? point.x : point.y; };
    float low = 2.0f;
    float high = -2.0f;
    for (const PaintStuff* object : state.paintSelection) {
        low = std::min(low, axis(object->TopLeft()));
        high = std::max(high, axis(object->BottomRight()));
    }
    const double mid = (double(low) + double(high)) * 0.5;
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    for (PaintStuff* object : state.paintSelection) {
        if (horizontally)
            object->MirrorX(mid);
        else
            object->MirrorY(mid);
    }
    edit.Commit();
    return true;
}

bool NormalizePaintSelection(CVantrelDoc& document, const ViewState& state)
{
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    bool changed = false;
    for (auto object = state.paintSelection.rbegin(); object != state.paintSelection.rend();
         ++object) {
        const FPoint from = (*object)->from;
        const FPoint to = (*object)->to;
        (*object)->Straighten();
        changed = changed || !((*object)->from == from && (*object)->to == to);
    }
    if (changed)
        edit.Commit();
    return changed;
}

void DropStalePaintSelection(const CVantrelDoc& document, ViewState& state)
{
    std::unordered_set<const PaintStuff*> present;
    for (const auto& object : document.paintObjects)
        present.insert(object.get());
    std::erase_if(state.paintSelection,
                  [&](const PaintStuff* object) { return !present.contains(object); });
}

} // namespace vantrel
