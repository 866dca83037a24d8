#pragma once

#include "export/report_model.h"

#include <cstdint>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// The documentation as a PDF file: a title page, the contents with page
// numbers, the sections' text and tables on upright A4 pages (real text,
// tables broken between rows with their header repeated), the schematic's
// sheets as File > Print lays them out and every preview page with its
// caption on pages across, in vector drawing (page backgrounds are the only
// bitmaps). Every page has a footer with the design's name and the page
// number; the outline leads to every section, sheet and preview page.
// Empty when the file cannot be made.
std::vector<std::uint8_t> ReportPdf(const DesignReport& report, CVantrelDoc& document,
                                    const ImageCodec& codec);

} // namespace vantrel
