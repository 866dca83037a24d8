#include "editing/element_search.h"

#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/view_state.h"

namespace vantrel {

std::vector<FoundEntry> DescribedElements(const CVantrelDoc& document)
{
    std::vector<FoundEntry> entries;
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            if (std::u16string text = element->Describe(document); !text.empty())
                entries.push_back({std::move(text), element->id});
    return entries;
}

bool ShowFoundElement(const CVantrelDoc& document, ViewState& state, std::int32_t id, Size client)
{
    LogElement* element = document.FindById(id);
    if (!element)
        return false;
    ShowElement(*element, state, client);
    return true;
}

void ShowCell(Point cell, ViewState& state, Size client)
{
    // Half the client extent in cells: 80 pixels a cell at zoom 1.
    const double halfCell = state.zoom * 2 * kCellPixels;
    state.origin = {ClampedOrigin(double(cell.x) - int(client.width / halfCell)),
                    ClampedOrigin(double(cell.y) - int(client.height / halfCell))};
}

void ShowElement(LogElement& element, ViewState& state, Size client)
{
    ShowCell(element.pos, state, client);
    state.logicSelection = {&element};
}

} // namespace vantrel
