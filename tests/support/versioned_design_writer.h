#pragma once

#include "support/stored_design.h"

#include <cstdint>
#include <vector>

namespace vantrel::test {

// The versions of the records nested in a design file, and the width of its
// texts. The reader does not tie them to the design version; these are the
// ones a program of that time would have written, spread so that the corpus
// holds every layout the readers branch on: element base parts with two
// input slots (below 10), without restricted flags (10) and current (11),
// paint payloads 1 to 8, remote blocks 1 to 7, and texts in the 8-bit code
// page (Windows-1252) up to design version 5. Versions newer than the
// current design version carry newer records too.
struct PayloadVersions
{
    std::int32_t element = 11;
    std::int32_t paint = 8;
    std::int32_t remoteBlock = 7;
    bool wideText = true;
};
PayloadVersions PayloadVersionsOf(std::int32_t designVersion);

// The design file of `design` in the layout of design version `version`,
// written value by value as that version stores it: only the header fields
// and blocks the version has, comments in the main list before version 18,
// one page image from 10 to 18, the raw background from 5 to 9. Throws
// std::invalid_argument when the design holds something the version cannot
// store.
std::vector<std::uint8_t> WriteDesignFile(const StoredDesign& design, std::int32_t version);

// What a reader holds after loading WriteDesignFile (design, version): the
// fields and blocks the version lacks at their reset values, curves dropped
// before version 13, the NoOp list made of NoOps up to version 10,
// restricted flags cleared before element version 11, each complex command
// with one setting per id (the last stored), the remote records completed
// with the defaults of their block version. The design stamp is left as it
// is; a version without one gets the time of loading.
StoredDesign AsLoaded(StoredDesign design, std::int32_t version);

} // namespace vantrel::test
