#include "editing/property_editing.h"

#include "document/vantrel_doc.h"
#include "editing/property_adapter.h"

namespace vantrel {

bool EditElementProperties(CVantrelDoc& document, ElementDialogs& dialogs, Point cell)
{
    LogElement* element = document.FindAt(cell);
    if (!element)
        return false;
    const ElementKindRow* kind = element->KindRow();
    return kind && PropertiesOf(*kind).Edit(document, dialogs, *element);
}

} // namespace vantrel
