#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// block list [FOLDER|DESIGN...]: the block files of the folders (a design's:
// the blocks folder beside it; the user's block folder and the installed
// blocks without one), damaged ones as such.
// block place DESIGN BLOCK --cell X,Y [-o OUT]: places a block file into the
// design as a paste whose top-left element lands on the cell, and saves it.
int RunBlock(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
