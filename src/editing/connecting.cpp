#include "editing/connecting.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/view_state.h"

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

// Wires the input to the source's output unless a number output would feed
// a bit input or the other way round. The target is recorded as it was; the
// loop set follows once the wire exists, so that a loop the wire closes
// shows at once.
bool Wire(CVantrelDoc& document, LogElement& target, int input, const LogElement& source)
{
    if (target.IsNumericPin(true, input) != source.IsNumericPin(false, 0))
        return false;
    EditTransaction edit(document, UndoRecord::kChanged);
    edit.Remember(target);
    target.inputs[std::size_t(input)] = source.id;
    edit.Commit();
    return true;
}

int PinUnder(const LogElement& element, Point device, const ViewState& view)
{
    return element.HitPin(device, view.origin, view.zoom);
}

} // namespace

bool ConnectDraggedPins(CVantrelDoc& document, const ViewState& view, Point release)
{
    const Point anchorCell = view.DeviceToCell(view.dragAnchor);
    const Point releaseCell = view.DeviceToCell(release);
    if (anchorCell == releaseCell)
        return false;
    LogElement* atRelease = document.FindAt(releaseCell);
    LogElement* atAnchor = document.FindAt(anchorCell);
    if (!atRelease || !atAnchor)
        return false;
    const int releasePin = PinUnder(*atRelease, release, view);
    const int anchorPin = PinUnder(*atAnchor, view.dragAnchor, view);
    // Either from an output to an input or from an input back to an output.
    if (releasePin >= 1 && anchorPin == -1)
        return Wire(document, *atRelease, releasePin - 1, *atAnchor);
    if (releasePin == -1 && anchorPin >= 1)
        return Wire(document, *atAnchor, anchorPin - 1, *atRelease);
    return false;
}

void UpdateConnectionPreview(CVantrelDoc& document, ViewState& view, Point mouse)
{
    const LogElement* atAnchor = document.FindAt(view.DeviceToCell(view.dragAnchor));
    if (atAnchor && PinUnder(*atAnchor, view.dragAnchor, view) != 0)
        view.connectionPreviewEnd = mouse;
    else
        view.connectionPreviewEnd.reset();
}

int HeldInputDigit(const std::array<bool, 4>& keyHeld)
{
    const auto first = std::find(keyHeld.begin(), keyHeld.end(), true);
    return first == keyHeld.end() ? -1 : int(first - keyHeld.begin());
}

bool ConnectSelectedToInput(CVantrelDoc& document, const ViewState& view, int input, Point release)
{
    if (view.logicSelection.size() != 1 || release != view.dragAnchor)
        return false;
    LogElement* target = document.FindAt(view.DeviceToCell(release));
    const LogElement& source = *view.logicSelection.front();
    if (!target || !source.HasOutput() || input < 0 || input >= target->InputCount())
        return false;
    return Wire(document, *target, input, source);
}

} // namespace vantrel
