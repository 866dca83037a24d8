#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// merge BASE OURS THEIRS [-o OUT] [--format text|json]: the three-way merge
// of two changed versions of a design, as git's merge driver.
int RunMerge(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
