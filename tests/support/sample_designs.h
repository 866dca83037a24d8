#pragma once

#include "elements/log_element.h"

#include <memory>
#include <vector>

namespace vantrel::test {

// One element of every kind built into the system, with non-default fields
// and connections among them, for round trips and for robustness tests.
std::vector<std::unique_ptr<LogElement>> OneOfEveryKind();

} // namespace vantrel::test
