// The pictures at the end of the documentation: the schematic as printed,
// then every preview page with its paint objects.
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "export/report_sections.h"

#include <algorithm>

namespace vantrel {

namespace {

bool HasElements(const CVantrelDoc& document)
{
    return std::any_of(document.elements.begin(), document.elements.end(),
                       [](const ElementList& list) { return !list.empty(); });
}

bool HasPageContent(const CVantrelDoc& document)
{
    return !document.paintObjects.empty() ||
           std::any_of(document.pageBackgrounds.begin(), document.pageBackgrounds.end(),
                       [](const EncodedImage& image) { return !image.IsEmpty(); });
}

std::u16string PageCaption(const CVantrelDoc& document, std::size_t page, long long objects)
{
    const long long pages = static_cast<long long>(document.pageBackgrounds.size());
    std::u16string caption = u"Preview page " + Decimal(static_cast<long long>(page) + 1) +
                             u" of " + Decimal(pages) + u": " + Decimal(objects) +
                             (objects == 1 ? u" paint object" : u" paint objects");
    if (!document.pageBackgrounds[page].IsEmpty())
        return caption + u" on its background image";
    return caption + u" on the background colour " + Ascii(HexColour(document.backgroundColour));
}

} // namespace

void AddPictureSections(ReportSource& source, ReportSections& sections)
{
    const CVantrelDoc& document = source.document;
    if (HasElements(document))
        sections.push_back({u"Schematic", {ReportSheets{}}});
    if (!HasPageContent(document))
        return;
    std::vector<long long> objects(document.pageBackgrounds.size(), 0);
    for (const auto& object : document.paintObjects)
        if (object->pageIndex >= 0 && std::size_t(object->pageIndex) < objects.size())
            ++objects[std::size_t(object->pageIndex)];
    ReportSection section{u"Preview pages", {}};
    for (std::size_t page = 0; page < objects.size(); ++page)
        section.blocks.push_back(
            ReportPagePicture{int(page), PageCaption(document, page, objects[page])});
    sections.push_back(std::move(section));
}

} // namespace vantrel
