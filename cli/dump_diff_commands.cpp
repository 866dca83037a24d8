#include "dump_diff_commands.h"

#include "archive/json_writer.h"
#include "compare/design_diff.h"
#include "compare/design_dump.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"

#include <optional>

namespace vantrel::cli {

namespace {

std::optional<std::vector<DumpRecord>> DumpOf(const std::string& path, Context& context)
{
    CVantrelDoc& document = CommandDocument();
    document.SetNotifier(&context.notifier);
    if (OpenDesign(document, path, context.codec) != OpenOutcome::Opened)
        return std::nullopt;
    return DumpDesign(document);
}

} // namespace

int RunDump(const Arguments& arguments, Context& context)
{
    const std::optional<std::vector<DumpRecord>> records =
        DumpOf(DesignPath(arguments).string(), context);
    if (!records)
        return kExitCannotOpen;
    WriteDump(*records, context.out);
    return kExitOk;
}

int RunDiff(const Arguments& arguments, Context& context)
{
    if (arguments.positional.size() != 2)
        throw UsageError("expected two design files");
    const bool json = WantsJson(arguments);
    const auto before = DumpOf(arguments.positional[0], context);
    if (!before)
        return kExitCannotOpen;
    const auto after = DumpOf(arguments.positional[1], context);
    if (!after)
        return kExitCannotOpen;
    const std::vector<DesignChange> changes = DiffDumps(*before, *after);
    if (json)
        PrintJsonObject(context.out, [&](JsonWriter& writer) { WriteDiffJson(changes, writer); });
    else
        WriteDiffText(changes, context.out);
    return changes.empty() ? kExitOk : kExitProblemsFound;
}

} // namespace vantrel::cli
