#include "cli_context.h"

#include "archive/file_bytes.h"
#include "archive/json_writer.h"
#include "archive/text_codec.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "export/export_routines.h"

#include <iostream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string_view>

namespace vantrel::cli {

std::filesystem::path DesignPath(const Arguments& arguments)
{
    if (arguments.positional.size() != 1)
        throw UsageError("expected exactly one design file");
    return arguments.positional[0];
}

CVantrelDoc& CommandDocument()
{
    // Never destroyed, so that the exit does not free the document either.
    static auto* const kept = new std::unique_ptr<CVantrelDoc>();
    *kept = std::make_unique<CVantrelDoc>();
    return **kept;
}

bool OpenDesignArgument(const Arguments& arguments, CVantrelDoc& document, Context& context)
{
    document.SetNotifier(&context.notifier);
    return OpenDesign(document, DesignPath(arguments), context.codec) == OpenOutcome::Opened;
}

void ReportFileError(Context& context, const FileError& failure)
{
    context.notifier.Message(failure.Message(), kApplicationTitle, MessageButtons::Ok);
}

std::filesystem::path OutputPath(const std::string& value)
{
    return value == "-" ? std::filesystem::path("/dev/stdout") : std::filesystem::path(value);
}

int Tell(const ExportOutcome& outcome, const std::filesystem::path& exported, Context& context)
{
    for (const NoticeText& message : outcome.messages)
        context.notifier.Message(message.text, message.caption, MessageButtons::Ok);
    std::ostream& reportOut = IsStandardOutput(exported) ? std::cerr : context.out;
    if (outcome.report)
        reportOut << ToUtf8(*outcome.report) << '\n';
    for (const FileError& failure : outcome.failures)
        ReportFileError(context, failure);
    return outcome.Succeeded() ? kExitOk : kExitCannotWrite;
}

void PrintJsonObject(std::ostream& out, const std::function<void(JsonWriter&)>& members)
{
    std::ostringstream text;
    {
        JsonWriter json(text);
        members(json);
        json.End();
    }
    // A program reading the output through a pipe expects plain UTF-8.
    std::string_view written = text.view();
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (written.starts_with(kByteOrderMark))
        written.remove_prefix(kByteOrderMark.size());
    out << written << '\n';
}

IoListType IoListTypeOption(const std::string& text)
{
    if (const std::optional<IoListType> type = IoListTypeNamed(text))
        return *type;
    throw UsageError("--type takes inputs, outputs, ainputs or aoutputs");
}

bool WriteOutput(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                 Context& context)
{
    try {
        WriteFileAtomically(path, bytes);
        return true;
    } catch (const FileError& failure) {
        ReportFileError(context, failure);
        return false;
    }
}

} // namespace vantrel::cli
