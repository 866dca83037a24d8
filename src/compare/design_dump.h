#pragma once

#include "compare/dump_record.h"

#include <iosfwd>
#include <vector>

namespace vantrel {

class CVantrelDoc;

// The whole design as records in a fixed order, made for reading changes
// line by line (a version control system's diff) and for comparing two
// designs: the design header, the configuration, the remote modules, every
// element sorted by id, then the paint objects, complex commands,
// simulation elements and page images in their list order. Nothing in it
// depends on memory addresses, hash order, the locale or the machine, so an
// unchanged design always gives the same records.
std::vector<DumpRecord> DumpDesign(const CVantrelDoc& document);

// The records as text, one line each.
void WriteDump(const std::vector<DumpRecord>& records, std::ostream& out);

} // namespace vantrel
