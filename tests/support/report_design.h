#pragma once

#include "graphics/image_codec.h"

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// The plant of plant_design.h made into a design whose documentation has
// every section: besides the plant's inputs and outputs of every kind,
// registers, remote I/O and custom modules, complex commands and simulation
// elements it holds
// markers     NLStartMarker 72 "Level copy" (53) read through NLEndMarker 73 by
//             GP_Register 55 "Scaled" (73 * 60); orphans: LogStartMarker 74
//             "Spare" (12), which no Out Marker reads, and LogEndMarker 75,
//             whose In Marker 99 is gone;
// pages       page 1 the display page of display_page.h, its background encoded
//             by `codec`; page 2 the plant's text and curve on the background
//             colour.
void BuildReportDesign(CVantrelDoc& document, const ImageCodec& codec);

} // namespace vantrel::test
