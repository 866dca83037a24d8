#include "editing/selection.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/paint_group.h"
#include "editing/view_state.h"
#include "paint/fpoint.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace vantrel {

namespace {

bool Confirm(CVantrelDoc& document, const char16_t* question)
{
    return document.GetNotifier().Message(question, kApplicationTitle, MessageButtons::OkCancel) ==
           MessageAnswer::Ok;
}

} // namespace

void SelectLogicByRelease(CVantrelDoc& document, ViewState& state, Point release)
{
    state.logicSelection.clear();
    if (release == state.dragAnchor) {
        if (LogElement* element = document.FindAt(state.DeviceToCell(release)))
            state.logicSelection.push_back(element);
        return;
    }
    const Point a = state.DeviceToCell(state.dragAnchor);
    const Point b = state.DeviceToCell(release);
    const CellBox cells{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                        std::max(a.y, b.y)};
    for (const ElementLocation& location : document.ElementsInCells(cells))
        state.logicSelection.push_back(document.ElementAt(location));
}

void SelectAllLogic(CVantrelDoc& document, ViewState& state)
{
    state.logicSelection.clear();
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            state.logicSelection.push_back(element.get());
}

namespace {

bool InCellRange(std::int64_t cell)
{
    return cell >= std::numeric_limits<std::int32_t>::min() &&
           cell <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

// A move that would carry an element past the grid's number range (cells
// from a damaged file sit at its very edge) is refused as a whole.
bool MoveLogicSelection(CVantrelDoc& document, ViewState& state, int dx, int dy)
{
    const bool fits = std::ranges::all_of(state.logicSelection, [&](const LogElement* element) {
        return InCellRange(std::int64_t(element->pos.x) + dx) &&
               InCellRange(std::int64_t(element->pos.y) + dy);
    });
    if (state.logicSelection.empty() || !fits)
        return false;
    EditTransaction edit(document, UndoRecord::kChanged);
    for (LogElement* element : state.logicSelection) {
        edit.Remember(*element);
        element->pos.x += dx;
        element->pos.y += dy;
    }
    edit.Commit();
    return true;
}

bool DeleteLogicSelection(CVantrelDoc& document, ViewState& state)
{
    if (state.logicSelection.empty() || !Confirm(document, u"DeleteElements?"))
        return false;
    EditTransaction edit(document, UndoRecord::kDeleted);
    std::vector<std::int32_t> ids;
    for (const LogElement* element : state.logicSelection) {
        edit.Remember(*element);
        ids.push_back(element->id);
    }
    document.DeleteByIds(ids);
    edit.Commit();
    state.logicSelection.clear();
    return true;
}

void SelectPaintByClick(CVantrelDoc& document, ViewState& state, Point click, const Rect& client)
{
    state.paintSelection.clear();
    for (auto object = document.paintObjects.rbegin(); object != document.paintObjects.rend();
         ++object) {
        if ((*object)->HitTestAt(click, client, state.currentPage)) {
            state.paintSelection.push_back(object->get());
            return;
        }
    }
}

void SelectPaintByRubberBand(CVantrelDoc& document, ViewState& state, Point release,
                             const Rect& client)
{
    state.paintSelection.clear();
    const FPoint a = FPoint::FromDevice(state.dragAnchor, client);
    const FPoint b = FPoint::FromDevice(release, client);
    for (auto object = document.paintObjects.rbegin(); object != document.paintObjects.rend();
         ++object)
        if ((*object)->InRect(a, b, state.currentPage))
            state.paintSelection.push_back(object->get());
}

void SelectAllPaint(CVantrelDoc& document, ViewState& state)
{
    state.paintSelection.clear();
    for (const auto& object : document.paintObjects)
        state.paintSelection.push_back(object.get());
}

namespace {

// Moves or scales every selected object, from the last selected to the first.
void TransformPaintSelection(const ViewState& state, PaintKey key, bool autoRepeat)
{
    const FPoint centre = PaintGroupCentre(state.paintSelection);
    const double d = autoRepeat ? 0.008 : 0.001;
    auto each = [&](auto action) {
        for (auto object = state.paintSelection.rbegin(); object != state.paintSelection.rend();
             ++object)
            action(**object);
    };
    switch (key) {
    case PaintKey::Left:
        each([&](PaintStuff& o) { o.MoveBy(-d, 0); });
        break;
    case PaintKey::Up:
        each([&](PaintStuff& o) { o.MoveBy(0, -d); });
        break;
    case PaintKey::Right:
        each([&](PaintStuff& o) { o.MoveBy(d, 0); });
        break;
    case PaintKey::Down:
        each([&](PaintStuff& o) { o.MoveBy(0, d); });
        break;
    case PaintKey::NarrowX:
        each([&](PaintStuff& o) { o.ScaleAbout(0.92, 1.0, centre); });
        break;
    case PaintKey::WidenX:
        each([&](PaintStuff& o) { o.ScaleAbout(1.1, 1.0, centre); });
        break;
    case PaintKey::NarrowY:
        each([&](PaintStuff& o) { o.ScaleAbout(1.0, 0.92, centre); });
        break;
    case PaintKey::WidenY:
        each([&](PaintStuff& o) { o.ScaleAbout(1.0, 1.1, centre); });
        break;
    case PaintKey::Delete:
    case PaintKey::Other:
        break;
    }
}

void DeletePaintSelection(CVantrelDoc& document, ViewState& state)
{
    const std::unordered_set<const PaintStuff*> doomed(state.paintSelection.begin(),
                                                       state.paintSelection.end());
    std::erase_if(document.paintObjects,
                  [&](const auto& object) { return doomed.contains(object.get()); });
    state.paintSelection.clear();
}

} // namespace

bool EditPaintSelection(CVantrelDoc& document, ViewState& state, PaintKey key, bool autoRepeat)
{
    if (state.paintSelection.empty())
        return false;
    // Every key that changes the objects is one undo step of its own.
    const bool changes =
        key != PaintKey::Other && (key != PaintKey::Delete || Confirm(document, u"Sure?"));
    if (changes) {
        EditTransaction edit(document, UndoRecord::kState);
        edit.RememberState(DesignState::kPaint);
        if (key == PaintKey::Delete)
            DeletePaintSelection(document, state);
        else
            TransformPaintSelection(state, key, autoRepeat);
        edit.Commit();
    }
    document.SetModified(true);
    return true;
}

} // namespace vantrel
