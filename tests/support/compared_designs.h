#pragma once

// Two small designs that differ in every way a comparison marks, as a
// design file stores them: elements added, removed, moved, rewired and
// renamed, and paint objects of a page added, removed and changed.

#include "support/stored_design.h"

#include <filesystem>

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

StoredElement Input(std::int32_t id, std::int32_t x, std::int32_t y, std::u16string name);
StoredElement Output(std::int32_t id, std::int32_t x, std::int32_t y,
                     std::vector<std::int32_t> inputs, std::u16string name);

// Two inputs (1 at cell 1,1; 2 at 1,3), a gate (3 at 3,2), two outputs
// (4 at 5,2; 5 at 5,5) and a display page with three figures.
StoredDesign ComparedBefore();
// Input 2 moved to cell 1,4, the gate rewired, output 4 renamed, output 5
// removed and output 6 added at cell 7,1; on the page a line removed, a
// circle widened and a square added.
StoredDesign ComparedAfter();

// Two inputs (ids 1, 2 at cells 0,0 and 0,2), an AND gate (3 at 2,0), an
// OR gate (4 at 4,0) and an output "Lamp" (5 at 6,0), with a paint object
// of every class.
void BuildComparedPlant(CVantrelDoc& document);

// Writes the design as the current version's file.
void WriteComparedDesign(const StoredDesign& design, const std::filesystem::path& path);

} // namespace vantrel::test
