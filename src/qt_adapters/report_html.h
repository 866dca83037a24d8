#pragma once

#include "export/report_model.h"

#include <cstdint>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// The documentation as one HTML file that needs no other: the title page,
// contents that link to every section, tables that scroll sideways on a
// narrow screen, the schematic's sheets and the preview pages as inline SVG
// (page backgrounds embedded as data). It is well-formed XML (XHTML), in
// UTF-8. Empty when a picture cannot be drawn.
std::vector<std::uint8_t> ReportHtml(const DesignReport& report, CVantrelDoc& document,
                                     const ImageCodec& codec);

} // namespace vantrel
