#include "export_commands.h"
#include "problem_output.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "compiler/flash_file.h"
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "export/export_routines.h"
#include "export/io_list.h"

#include <ostream>

namespace vantrel::cli {

namespace {

constexpr int kMaxRandom = 32767;

std::int32_t RandomNumber(const Arguments& arguments)
{
    if (auto text = arguments.Value("--random"))
        return ParseNumber("--random", *text, 0, kMaxRandom);
    return DrawRandomNumber();
}

using ExportRoutine = ExportOutcome (*)(const CVantrelDoc&, const std::filesystem::path&,
                                        const std::filesystem::path&, const ImageCodec&,
                                        std::int32_t);

// Runs one export: its report goes to the output, every file that could not
// be written to standard error. The remote module files go into the folder
// --modules names, or where the export puts them by itself.
int RunExport(const Arguments& arguments, Context& context, const std::filesystem::path& output,
              ExportRoutine run)
{
    const std::int32_t random = RandomNumber(arguments);
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    const std::filesystem::path modules =
        arguments.Value("--modules").value_or(ExportFolder(output).string());
    return Tell(run(document, output, modules, context.codec, random), output, context);
}

} // namespace

int RunFlash(const Arguments& arguments, Context& context)
{
    return RunExport(arguments, context, arguments.Value("-o").value_or("flash.lgf"),
                     RunFlashExport);
}

int RunJson(const Arguments& arguments, Context& context)
{
    return RunExport(arguments, context, OutputPath(arguments.Value("-o").value_or("flash.lgj")),
                     RunJsonExport);
}

int RunIoList(const Arguments& arguments, Context& context)
{
    const std::optional<std::string> type = arguments.Value("--type");
    if (!type)
        throw UsageError("iolist needs --type");
    const IoListType list = IoListTypeOption(*type);
    const std::string board = arguments.Value("--board").value_or("32");
    if (board != "32" && board != "48")
        throw UsageError("--board takes 32 or 48");
    const std::string format = arguments.Value("--format").value_or("csv");
    if (format != "csv" && format != "text")
        throw UsageError("--format takes csv or text");
    const bool csv = format == "csv";
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    const std::filesystem::path output =
        OutputPath(arguments.Value("-o").value_or(DefaultIoListName(list, csv)));
    try {
        ExportIoList(document, output, list, std::stoi(board), csv);
    } catch (const FileError& failure) {
        ReportFileError(context, failure);
        return kExitCannotWrite;
    }
    return kExitOk;
}

int RunCheck(const Arguments& arguments, Context& context)
{
    const bool json = WantsJson(arguments);
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    for (NumberKind kind :
         {NumberKind::Inputs, NumberKind::Outputs, NumberKind::AnalogInputs,
          NumberKind::AnalogOutputs, NumberKind::UserInputs, NumberKind::UserOutputs})
        document.CheckNumbers(kind);
    Compile(document, 0);
    const std::vector<Problem> found = FindProblems(document);
    std::u16string loopIds;
    for (const Problem& problem : found)
        if (problem.kind == ProblemKind::FeedbackLoop)
            loopIds += (loopIds.empty() ? u"" : u", ") + Decimal(problem.elementId);
    if (!loopIds.empty())
        context.notifier.Message(u"Elements on feedback loops: " + loopIds, u"Warning",
                                 MessageButtons::Ok);
    if (json)
        PrintProblemJson(found, context.out);
    else
        PrintProblemLines(found, context.out);
    // One rule: the exit code says whether anything was listed.
    return found.empty() ? kExitOk : kExitProblemsFound;
}

} // namespace vantrel::cli
