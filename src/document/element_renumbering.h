#pragma once

#include <cstdint>
#include <unordered_map>

namespace vantrel {

class CVantrelDoc;

// Old element id -> new element id.
using IdRenumbering = std::unordered_map<std::int32_t, std::int32_t>;

// Gives every element whose id the map names its new id, and makes every
// reference to it follow: the inputs and id fields of the elements, the ids
// the paint objects are bound to (command, colour states, progress), the
// user inputs of the complex commands and the I/O slots of the simulation
// elements. References to ids the map does not name stay as they are.
void RenumberElements(CVantrelDoc& document, const IdRenumbering& newIds);

} // namespace vantrel
