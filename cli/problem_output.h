#pragma once

#include "compiler/design_problems.h"

#include <iosfwd>
#include <vector>

namespace vantrel::cli {

// One line a problem: its kind, then the element's id, kind, quoted
// description and cell, then what is wrong.
void PrintProblemLines(const std::vector<Problem>& problems, std::ostream& out);

// The same as one JSON array of objects, one a problem.
void PrintProblemJson(const std::vector<Problem>& problems, std::ostream& out);

} // namespace vantrel::cli
