#pragma once

#include "export/report_model.h"

#include <string>

namespace vantrel {

class CVantrelDoc;

// The design's documentation, named `title` (the design's file name): the
// title page with the design's settings, element counts and resource
// report, then the tables of the digital, user and analog inputs and
// outputs, the registers, the markers, the remote modules, the complex
// commands and the simulation elements, each only when the design has any,
// the problems as the check lists them ("none" when there are none), the
// schematic and the preview pages. The design is not changed (the compile
// for the resource report keeps its messages to itself); takes time linear
// in the design's size.
DesignReport BuildDesignReport(CVantrelDoc& document, const std::u16string& title);

} // namespace vantrel
