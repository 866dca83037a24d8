#pragma once

#include "cli_context.h"

namespace vantrel::cli {

// The commands that write the controller's and the tools' files.
int RunFlash(const Arguments& arguments, Context& context);
int RunJson(const Arguments& arguments, Context& context);
int RunIoList(const Arguments& arguments, Context& context);
// Opens the design and reports every problem the system can find.
int RunCheck(const Arguments& arguments, Context& context);

} // namespace vantrel::cli
