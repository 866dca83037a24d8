#pragma once

#include "document/complex_command.h"
#include "graphics/colour.h"
#include "graphics/encoded_image.h"
#include "hardware/remote_io.h"
#include "hardware/sim_element.h"
#include "paint/paint_stuff.h"

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
    };

    // Adds a copy of the document's parts named by `aspects`; an aspect
    // already held keeps the copy taken first.
    void Keep(const CVantrelDoc& document, unsigned aspects);
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
};

} // namespace vantrel
