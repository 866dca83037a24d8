#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// The commands that look at or rewrite a design file.
int RunInfo(const Arguments& arguments, Context& context);
int RunSort(const Arguments& arguments, Context& context);
int RunSave(const Arguments& arguments, Context& context);
int RunSimulation(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
