#include "merge_command.h"

#include "compare/design_merge.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"

#include <array>
#include <iostream>

namespace vantrel::cli {

int RunMerge(const Arguments& arguments, Context& context)
{
    if (arguments.positional.size() != 3)
        throw UsageError("expected three design files: BASE OURS THEIRS");
    const bool json = WantsJson(arguments);
    // As git's merge driver does: the result replaces ours unless named.
    const std::filesystem::path output = arguments.Value("-o").value_or(arguments.positional[1]);
    std::array<CVantrelDoc, 3> sides;
    for (std::size_t i = 0; i < sides.size(); ++i) {
        sides[i].SetNotifier(&context.notifier);
        if (OpenDesign(sides[i], arguments.positional[i], context.codec) != OpenOutcome::Opened)
            return kExitCannotOpen;
    }
    CVantrelDoc merged(&context.notifier);
    const MergeConflicts conflicts = MergeDesigns(sides[0], sides[1], sides[2], merged);
    WriteConflictsText(conflicts, std::cerr);
    if (json)
        PrintJsonObject(context.out,
                        [&](JsonWriter& writer) { WriteConflictsJson(conflicts, writer); });
    if (!SaveDesign(merged, output, context.codec))
        return kExitCannotWrite;
    return conflicts.empty() ? kExitOk : kExitProblemsFound;
}

} // namespace vantrel::cli
