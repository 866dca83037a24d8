#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// A design with one of each common fault: four open inputs (And 2's second,
// both of Or 3's, Not 4's), the feedback loop of And 7 and Or 8, Output 6
// on the number of Output 5, and Out Marker 10 whose In Marker 9 was
// deleted. Everything else in it is sound.
void BuildProblemDesign(CVantrelDoc& document);

// The ids of the elements its problems name, in the order they are listed.
std::vector<std::int32_t> ProblemDesignIds();

} // namespace vantrel::test
