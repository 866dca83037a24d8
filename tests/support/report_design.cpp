#include "support/report_design.h"

#include "document/vantrel_doc.h"
#include "elements/indirect_elements.h"
#include "elements/numeric_elements.h"
#include "support/display_page.h"
#include "support/plant_design.h"

#include <algorithm>

namespace vantrel::test {

void BuildReportDesign(CVantrelDoc& document, const ImageCodec& codec)
{
    BuildPlant(document);
    Place<NLStartMarker>(document, 72, {53}, u"Level copy");
    Place<NLEndMarker>(document, 73, {}, 72);
    Place<GP_Register>(document, 55, {73, 60}, 2, false, u"Scaled");
    Place<LogStartMarker>(document, 74, {12}, u"Spare");
    Place<LogEndMarker>(document, 75, {}, 99);
    // The plant's paint on page 1 moves to page 2; page 1 becomes the display page.
    std::erase_if(document.paintObjects, [](const auto& object) { return object->pageIndex == 0; });
    document.pageBackgrounds = {EncodedImage{}, EncodedImage{}};
    AddDisplayPage(document, 0, codec);
}

} // namespace vantrel::test
