#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// Draws the editor's picture of a design off screen into a PNG.
int RunRender(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
