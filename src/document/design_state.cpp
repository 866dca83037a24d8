#include "document/design_state.h"

#include "document/vantrel_doc.h"

#include <utility>

namespace vantrel {

namespace {

template <class T>
std::vector<std::unique_ptr<T>> CopyOf(const std::vector<std::unique_ptr<T>>& list)
{
    std::vector<std::unique_ptr<T>> copy;
    copy.reserve(list.size());
    for (const auto& entry : list)
        copy.push_back(std::make_unique<T>(*entry));
    return copy;
}

std::vector<std::unique_ptr<PaintStuff>>
CopyOf(const std::vector<std::unique_ptr<PaintStuff>>& list)
{
    std::vector<std::unique_ptr<PaintStuff>> copy;
    copy.reserve(list.size());
    for (const auto& entry : list)
        copy.push_back(entry->Clone());
    return copy;
}

// The order that undoes `takenFrom`: element takenFrom[i] went to place i.
std::vector<std::size_t> Inverse(const std::vector<std::size_t>& takenFrom)
{
    std::vector<std::size_t> inverse(takenFrom.size());
    for (std::size_t i = 0; i < takenFrom.size(); ++i)
        inverse[takenFrom[i]] = i;
    return inverse;
}

// Puts the list in the held order and holds the order that returns it.
void Reorder(ElementList& list, std::vector<std::size_t>& takenFrom)
{
    // A list whose length changed since is not the one the order was taken of.
    if (takenFrom.empty() || takenFrom.size() != list.size())
        return;
    ElementList reordered;
    reordered.reserve(list.size());
    for (std::size_t from : takenFrom)
        reordered.push_back(std::move(list[from]));
    list = std::move(reordered);
    takenFrom = Inverse(takenFrom);
}

} // namespace

void DesignState::KeepReordering(int list, const std::vector<std::size_t>& takenFrom)
{
    aspects |= kOrder;
    // Held is the way back: the old element at place takenFrom[i] is now at i.
    std::vector<std::size_t> back = Inverse(takenFrom);
    // A list reordered twice in one edit goes back to the order before the first.
    std::vector<std::size_t>& held = orders[std::size_t(list)];
    if (!held.empty() && held.size() == back.size())
        for (std::size_t& place : held)
            place = back[place];
    else
        held = std::move(back);
}

void DesignState::Keep(const CVantrelDoc& document, unsigned wanted)
{
    const unsigned added = wanted & ~aspects;
    aspects |= added;
    if ((added & kPaint) != 0)
        paintObjects = CopyOf(document.paintObjects);
    if ((added & kBackground) != 0) {
        backgroundColour = document.backgroundColour;
        pageBackgrounds = document.pageBackgrounds;
    }
    if ((added & kHardware) != 0) {
        numInputs = document.numInputs;
        numOutputs = document.numOutputs;
        speed = document.speed;
        remoteIo = document.remoteIo;
    }
    if ((added & kComplexCommands) != 0)
        complexCommands = CopyOf(document.complexCommands);
    if ((added & kSimulation) != 0)
        simulationElements = CopyOf(document.simulationElements);
}

void DesignState::SwapWith(CVantrelDoc& document)
{
    using std::swap;
    if ((aspects & kPaint) != 0)
        swap(paintObjects, document.paintObjects);
    if ((aspects & kBackground) != 0) {
        swap(backgroundColour, document.backgroundColour);
        swap(pageBackgrounds, document.pageBackgrounds);
    }
    if ((aspects & kHardware) != 0) {
        swap(numInputs, document.numInputs);
        swap(numOutputs, document.numOutputs);
        swap(speed, document.speed);
        swap(remoteIo, document.remoteIo);
    }
    if ((aspects & kComplexCommands) != 0)
        swap(complexCommands, document.complexCommands);
    if ((aspects & kSimulation) != 0)
        swap(simulationElements, document.simulationElements);
    if ((aspects & kOrder) != 0)
        for (std::size_t list = 0; list < orders.size(); ++list)
            Reorder(document.elements[list], orders[list]);
}

} // namespace vantrel
