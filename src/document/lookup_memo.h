#pragma once

#include "archive/address_numbers.h"
#include "document/vantrel_doc.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace vantrel {

// What the document's lookups have found out while the design is frozen.
struct CVantrelDoc::LookupMemo
{
    // The element an indirect element stands for (none for a chain that ends
    // nowhere), followed through cycle breakers [0] or stopping at them [1]:
    // the number of its entry in `sources`.
    AddressNumbers resolved[2];
    std::vector<LogElement*> sources;
    // Built whole on first use: by list and position, the register number
    // (register lists only).
    std::array<std::vector<int>, kElementListCount> registerNumbers;
    std::unordered_map<std::int32_t, int, ElementIdHash> monitorIndexes;
    bool registersNumbered = false;
    bool monitorIndexed = false;
};

} // namespace vantrel
