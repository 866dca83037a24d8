#include "dump_diff_commands.h"

#include "archive/json_writer.h"
#include "compare/design_diff.h"
#include "compare/design_dump.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"

#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

namespace vantrel::cli {

namespace {

std::optional<std::vector<DumpRecord>> DumpOf(const std::string& path, Context& context)
{
    CVantrelDoc document;
    document.SetNotifier(&context.notifier);
    if (OpenDesign(document, path, context.codec) != OpenOutcome::Opened)
        return std::nullopt;
    return DumpDesign(document);
}

void PrintJson(const std::vector<DesignChange>& changes, std::ostream& out)
{
    std::ostringstream text;
    {
        JsonWriter json(text);
        WriteDiffJson(changes, json);
        json.End();
    }
    // The writer starts with a byte-order mark, which files of the exports
    // carry; a program reading the output through a pipe expects plain UTF-8.
    std::string_view written = text.view();
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (written.starts_with(kByteOrderMark))
        written.remove_prefix(kByteOrderMark.size());
    out << written << '\n';
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
    const std::string format = arguments.Value("--format").value_or("text");
    if (format != "text" && format != "json")
        throw UsageError("--format must be text or json");
    const auto before = DumpOf(arguments.positional[0], context);
    if (!before)
        return kExitCannotOpen;
    const auto after = DumpOf(arguments.positional[1], context);
    if (!after)
        return kExitCannotOpen;
    const std::vector<DesignChange> changes = DiffDumps(*before, *after);
    if (format == "json")
        PrintJson(changes, context.out);
    else
        WriteDiffText(changes, context.out);
    return changes.empty() ? kExitOk : kExitProblemsFound;
}

} // namespace vantrel::cli
