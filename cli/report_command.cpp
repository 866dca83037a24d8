#include "report_command.h"

#include "document/vantrel_doc.h"
#include "qt_adapters/documentation_files.h"

namespace vantrel::cli {

int RunReport(const Arguments& arguments, Context& context)
{
    const std::optional<std::string> output = arguments.Value("-o");
    if (!output || !DocumentationFormatOf(*output))
        throw UsageError("report needs -o OUT.pdf or OUT.html");
    CVantrelDoc document;
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    const std::u16string title = DesignPath(arguments).filename().u16string();
    if (const auto failure = WriteDocumentation(document, *output, title, context.codec)) {
        context.notifier.Message(*failure, kApplicationTitle, MessageButtons::Ok);
        return kExitCannotWrite;
    }
    return kExitOk;
}

} // namespace vantrel::cli
