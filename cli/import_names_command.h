#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// import-names DESIGN NAMES [-o OUT] [--type TYPE] [--create]: names the
// design's I/O elements from a spreadsheet (an I/O list as the export writes
// it, or a plain number,name list) and saves the design (in place without -o).
int RunImportNames(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
