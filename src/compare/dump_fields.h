#pragma once

#include "compare/dump_record.h"

namespace vantrel {

class LogElement;
class PaintStuff;

// The stored fields an element kind adds to the element base, in the order
// of its payload. Derived values (descriptions, resolved operands) are left
// out: they change with other elements, not with this one.
void AddElementFields(const LogElement& element, DumpFields& fields);

// Every stored field of a paint object; the numbers the exports resolve from
// the bound ids are derived and left out.
void AddPaintFields(const PaintStuff& object, DumpFields& fields);

} // namespace vantrel
