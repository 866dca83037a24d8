#include "editor/vantrel_view.h"

#include "compiler/design_problems.h"
#include "editing/element_search.h"

namespace vantrel {

bool CVantrelView::ShowProblemElement(const Problem& problem)
{
    // The place tells apart elements that share an id; after an edit moved
    // things, the id finds it.
    LogElement* element = document_.ElementAt(problem.location);
    if (!element || element->id != problem.elementId)
        element = document_.FindById(problem.elementId);
    if (!element)
        return false;
    ShowElementOrCell(element->id, element->pos);
    return true;
}

void CVantrelView::ShowElementOrCell(std::int32_t id, Point cell)
{
    state_.layoutMode = LayoutMode::Design;
    if (LogElement* element = document_.FindById(id); element) {
        ShowElement(*element, state_, ClientSize());
    } else {
        ShowCell(cell, state_, ClientSize());
        state_.logicSelection.clear();
    }
    setFocus();
    Redraw();
}

} // namespace vantrel
