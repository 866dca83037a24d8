#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// Draws the editor's picture of a design off screen into a PNG, an SVG or a
// PDF file (by the output's extension); with --all-pages every preview page
// into one PDF.
int RunRender(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
