#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// The design as stable text, made to be read line by line in version
// control (a git textconv driver), and the semantic comparison of two designs.
int RunDump(const Arguments& arguments, Context& context);
int RunDiff(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
