#pragma once

#include "paint/paint_stuff.h"

#include <memory>
#include <string>
#include <vector>

namespace vantrel::test {

// The paint list as a design file stores it (every class, field and page, in
// list order), in hex: two lists are the same exactly when their snapshots are.
std::string PaintSnapshot(std::vector<std::unique_ptr<PaintStuff>>& list);

} // namespace vantrel::test
