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

} // namespace

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
}

} // namespace vantrel
