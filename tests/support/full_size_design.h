#pragma once

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// A design of the controller's full size: 12 228 logic elements (inputs,
// gates wired in long chains, delays, outputs, user I/O), 64 accumulators,
// 256 constants, a register list that fills the 256 registers, 100 paint
// objects and `pages` page slots (images of 800 x 480 where a codec is
// given to make them meaningful; every other one empty).
void FillFullSizeDesign(CVantrelDoc& document, int pages = 4);

} // namespace vantrel::test
