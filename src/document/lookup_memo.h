#pragma once

#include "document/vantrel_doc.h"

#include <unordered_map>

namespace vantrel {

// What the document's lookups have found out while the design is frozen.
struct CVantrelDoc::LookupMemo
{
    // The element an indirect element stands for (none for a chain that ends
    // nowhere), followed through cycle breakers [0] or stopping at them [1].
    std::unordered_map<const LogElement*, LogElement*> resolved[2];
    // Built whole on first use.
    std::unordered_map<const LogElement*, int> registerNumbers;
    std::unordered_map<std::int32_t, int, ElementIdHash> monitorIndexes;
    bool registersNumbered = false;
    bool monitorIndexed = false;
};

} // namespace vantrel
