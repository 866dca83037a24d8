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
    // The text and the colours together are one step, made only once both
    // dialogs are answered: the colour dialog shows the new text already.
    std::optional<std::u16string> text;
    if (const std::u16string* current = object->TextRef())
        if (const auto entered = dialogs.TextBox(*current, u"", false))
            text = entered->text;
    std::unique_ptr<PaintStuff> shown = object->Clone();
    if (text)
        *shown->TextRef() = *text;
    const auto edited = dialogs.ElColorConfig(std::move(shown), document);
    if (!text && !edited)
        return false;
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    if (text)
        *object->TextRef() = *text;
    if (edited)
        object->CopyFrom(*edited);
    edit.Commit();
    return true;
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
    const bool changes = std::ranges::any_of(state.paintSelection, [](const PaintStuff* object) {
        const std::unique_ptr<PaintStuff> straightened = object->Clone();
        straightened->Straighten();
        return !(straightened->from == object->from && straightened->to == object->to);
    });
    if (!changes)
        return false;
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    for (auto object = state.paintSelection.rbegin(); object != state.paintSelection.rend();
         ++object)
        (*object)->Straighten();
    edit.Commit();
    return true;
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
