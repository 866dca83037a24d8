#pragma once

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// The sorts done the plain way, pass after pass over the remaining list,
// moving each placed element out of the document so that lookups no longer
// find it. Slow (a pass per placed element on a chain listed backwards) but
// obviously right: the fast sorts must give exactly its order and messages.
int OracleSortMain(CVantrelDoc& document);
bool OracleSortRegisters(CVantrelDoc& document);

} // namespace vantrel::test
