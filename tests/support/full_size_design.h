#pragma once

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// A design of the controller's full size, the same every time: 12 228 logic
// elements (256 inputs and outputs, 128 user inputs and outputs, gates,
// delays and triggers wired to earlier elements), all 256 registers (64
// accumulators, 16 timers, 176 GP registers, with 48 AccOps), 256
// constants, one remote I/O module, 100 paint objects bound to I/O and
// registers, 10 complex commands and 4 page background images.
void FillFullSizeDesign(CVantrelDoc& document);

} // namespace vantrel::test
