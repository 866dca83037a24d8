#pragma once

#include "document/complex_command.h"
#include "elements/log_element.h"
#include "graphics/colour.h"
#include "graphics/encoded_image.h"
#include "hardware/remote_io.h"
#include "hardware/sim_element.h"
#include "paint/paint_stuff.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vantrel {

class CVantrelDoc;

// The parts of a design outside the element lists that an edit can change,
// kept for undo: only the aspects named in `aspects` are held and restored.
// Undo and redo exchange the held parts with the document's, so one state
// serves both directions.
struct DesignState
{
    enum Aspect : unsigned
    {
        kPaint = 1U << 0,           // the paint objects, in list order
        kBackground = 1U << 1,      // background colour and page images
        kHardware = 1U << 2,        // I/O counts, speed, remote and custom modules
        kComplexCommands = 1U << 3, // the complex command list
        kSimulation = 1U << 4,      // the simulation elements
        kOrder = 1U << 5,           // the order of element lists reordered as a whole
    };

    // Adds a copy of the document's parts named by `wanted`; an aspect
    // already held keeps the copy taken first.
    void Keep(const CVantrelDoc& document, unsigned wanted);
    // Notes that element list `list` has just been reordered so that its
    // element i came from place takenFrom[i]. Only the places are held, not
    // the elements, so a sort of the whole design stays cheap to undo.
    void KeepReordering(int list, const std::vector<std::size_t>& takenFrom);
    // Exchanges the held parts with the document's.
    void SwapWith(CVantrelDoc& document);

    unsigned aspects = 0;
    std::vector<std::unique_ptr<PaintStuff>> paintObjects;
    Colour backgroundColour = 0;
    std::vector<EncodedImage> pageBackgrounds;
    std::int32_t numInputs = 0;
    std::int32_t numOutputs = 0;
    std::int32_t speed = 0;
    RemoteIoConfiguration remoteIo;
    std::vector<std::unique_ptr<ComplexCommand>> complexCommands;
    std::vector<std::unique_ptr<SimElement>> simulationElements;
    // Per element list: where to take each element from to get the other
    // order; empty for a list that was not reordered.
    std::array<std::vector<std::size_t>, kElementListCount> orders;
};

} // namespace vantrel
