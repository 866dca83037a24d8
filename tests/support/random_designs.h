#pragma once

#include <cstdint>

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// Fills the document with a random design made from the seed: bit elements
// of every sort-relevant kind in the main list (gates, inputs, delays,
// triggers, comparators), markers, replicators and cycle breakers, registers,
// accumulators, NoOps, constants and timers, their inputs wired at random to
// any element, to nothing, or to ids that do not exist. The same seed gives
// the same design.
void FillRandomDesign(CVantrelDoc& document, std::uint32_t seed, int elementCount);

} // namespace vantrel::test
