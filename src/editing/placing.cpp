#include "editing/placing.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/element_ids.h"
#include "editing/property_adapter.h"
#include "elements/element_kinds.h"

#include <memory>
#include <utility>

namespace vantrel {

namespace {

// The kind a design tool places; the Connect and Select tools place none.
const ElementKindRow* KindOfTool(int tool)
{
    if (tool < 0 || tool > command::kLastElementTool - command::kFirstElementTool)
        return nullptr;
    return FindElementKind(command::kFirstElementTool + tool);
}

} // namespace

LogElement& NewElement::Element()
{
    if (!built_) {
        built_ = kind.make();
        built_->pos = cell;
        built_->id = document.TakeElementId().value();
    }
    return *built_;
}

bool IsPlacingTool(int tool)
{
    return KindOfTool(tool) != nullptr;
}

bool PlaceElement(CVantrelDoc& document, ElementDialogs& dialogs, int tool, Point cell)
{
    const ElementKindRow* kind = KindOfTool(tool);
    if (!kind || !ElementIdsLeftFor(document, 1))
        return false;
    NewElement placement{document, dialogs, cell, *kind};
    std::unique_ptr<LogElement> element = PropertiesOf(*kind).Place(placement);
    if (!element)
        return false;
    EditTransaction edit(document, UndoRecord::kAdded);
    if (!edit.Insert(std::move(element)))
        return false;
    edit.Commit();
    return true;
}

} // namespace vantrel
