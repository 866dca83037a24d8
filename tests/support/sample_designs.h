#pragma once

#include "elements/log_element.h"
#include "paint/paint_stuff.h"

#include <memory>
#include <vector>

namespace vantrel::test {

// One element of every kind built into the system, with non-default fields
// and connections among them, for round trips and for robustness tests.
std::vector<std::unique_ptr<LogElement>> OneOfEveryKind();

// One paint object of every class, with every binding set, non-default
// colours and extra fields (curve points, texts, fill colours).
std::vector<std::unique_ptr<PaintStuff>> OneOfEveryPaintKind();

} // namespace vantrel::test
