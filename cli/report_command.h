#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// Writes the design's documentation into a PDF or an HTML file (by the
// output's extension).
int RunReport(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
