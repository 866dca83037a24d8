#pragma once

#include "document/vantrel_doc.h"

namespace vantrel::test {

// A design of one element of every kind in its list and one paint object of
// every class (sample_designs.h), with a complex command, a simulation
// element, a remote I/O module, a custom module with its defaults and two
// page slots (an image of the fake codec and an empty one). The design
// stamp is 0x600D5EED.
void BuildEveryKindDesign(CVantrelDoc& document);

} // namespace vantrel::test
