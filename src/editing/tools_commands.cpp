// The Tools menu's commands and the I/O list export: the configuration
// dialogs, the evaluation order and the exports. An export asks for its file
// and tells its messages, its report and its failures through the notifier.
#include "archive/file_bytes.h"
#include "compiler/autosort.h"
#include "compiler/design_corrections.h"
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "editing/configuration_commands.h"
#include "editing/editing_command_groups.h"
#include "editing/io_name_import.h"
#include "editing/message_batch.h"
#include "editing/view_prompts.h"
#include "editing/view_state.h"
#include "export/export_routines.h"
#include "export/io_list.h"

#include <string>

namespace vantrel {

namespace {

using namespace command;

void ReportFileError(CVantrelDoc& document, const FileError& failure)
{
    document.GetNotifier().Message(failure.Message(), kApplicationTitle, MessageButtons::Ok);
}

bool ConfigurationEnabled(const EditingQuery& query, int id)
{
    return IsConfigurationCommandEnabled(id, query.document, query.state);
}

// Labels, descriptions and number limits follow the configuration.
CommandEffects RunConfiguration(EditingContext& context, int id)
{
    RunConfigurationDialog(id, context.document, context.configDialogs);
    return effect::kRedraw;
}

CommandEffects ExportSimulation(EditingContext& context, int)
{
    if (const std::optional<ExportOutcome> outcome =
            ExportSimulationCommand(context.document, context.prompts))
        for (const FileError& failure : outcome->failures)
            ReportFileError(context.document, failure);
    return effect::kRedraw;
}

CommandEffects SortDesign(EditingContext& context, int)
{
    AutoSort(context.document);
    return effect::kRedraw;
}

using ExportRoutine = ExportOutcome (*)(const CVantrelDoc&, const std::filesystem::path&,
                                        const ImageCodec&, std::int32_t);

// "Export to flash" and "Export to JSON": a file name, then the export with
// its messages gathered, its report and the remote module files beside the
// file.
CommandEffects ExportWithReport(EditingContext& context, const char16_t* defaultName,
                                ExportRoutine run)
{
    CVantrelDoc& document = context.document;
    const std::optional<std::filesystem::path> path = context.prompts.SaveFileName(defaultName);
    if (!path)
        return effect::kNone;
    const ExportOutcome outcome = run(document, *path, context.codec, DrawRandomNumber());
    // The design keeps what the written file was corrected in, as one step.
    StoreCorrections(document, outcome.corrections);
    {
        const MessageBatch batch(document);
        for (const NoticeText& message : outcome.messages)
            document.GetNotifier().Message(message.text, message.caption, MessageButtons::Ok);
    }
    if (outcome.report)
        document.GetNotifier().Message(*outcome.report, u"Report", MessageButtons::Ok);
    for (const FileError& failure : outcome.failures)
        ReportFileError(document, failure);
    return outcome.messages.empty() ? effect::kRedraw : effect::kRedraw | effect::kProblems;
}

CommandEffects ExportFlash(EditingContext& context, int)
{
    return ExportWithReport(context, u"flash.lgf", RunFlashExport);
}

CommandEffects ExportJson(EditingContext& context, int)
{
    return ExportWithReport(context, u"flash.lgj", RunJsonExport);
}

CommandEffects ExportIoListFile(EditingContext& context, int)
{
    const std::optional<IoListChoice> choice = context.prompts.IoListExport();
    if (!choice)
        return effect::kNone;
    const std::string name = DefaultIoListName(choice->type, choice->csv);
    const auto path = context.prompts.SaveFileName(std::u16string(name.begin(), name.end()));
    if (!path)
        return effect::kNone;
    try {
        ExportIoList(context.document, *path, choice->type, choice->boardSize, choice->csv);
    } catch (const FileError& failure) {
        ReportFileError(context.document, failure);
    }
    return effect::kNone;
}

// File > Import > I/O Names: the whole sheet is read before anything
// changes, then the report tells what became of every row.
CommandEffects ImportIoNamesFile(EditingContext& context, int)
{
    const std::optional<IoNamesChoice> choice = context.prompts.IoNamesFile();
    if (!choice)
        return effect::kNone;
    IoNameSheet sheet;
    try {
        sheet = ReadIoNameSheet(ReadFileBytes(choice->file));
    } catch (const FileError& failure) {
        ReportFileError(context.document, failure);
        return effect::kNone;
    }
    static constexpr char16_t kCaption[] = u"Import I/O Names";
    Notifier& notifier = context.document.GetNotifier();
    if (sheet.unreadable) {
        notifier.Message(choice->file.filename().u16string() + u": " + *sheet.unreadable, kCaption,
                         MessageButtons::Ok);
        return effect::kNone;
    }
    const IoNameImport import =
        ImportIoNames(context.document, sheet, choice->type, choice->createMissing);
    notifier.Message(IoNameImportReport(import), kCaption, MessageButtons::Ok);
    return import.Changed() ? effect::kRedraw : effect::kNone;
}

const EditingCommandRow kRows[] = {
    {PlainLook(kIoCount, "IO Count"), RunConfiguration, nullptr, nullptr},
    {PlainLook(kIoSpeed, "IO Speed"), RunConfiguration, nullptr, nullptr},
    {PlainLook(kRemoteIo, "Remote I/O"), RunConfiguration, nullptr, nullptr},
    {PlainLook(kCustomRemoteIo, "Custom Remote I/O"), RunConfiguration, nullptr, nullptr},
    {PlainLook(kAutoSort, "Auto sort"), SortDesign, InDesign, nullptr},
    {PlainLook(kExportFlash, "Export to flash"), ExportFlash, nullptr, nullptr},
    {PlainLook(kExportJson, "Export to JSON"), ExportJson, nullptr, nullptr},
    {PlainLook(kComplexCommands, "Complex Commands"), RunConfiguration, ConfigurationEnabled,
     nullptr},
    {PlainLook(kSimulationSetup, "Setup"), RunConfiguration, nullptr, nullptr},
    {PlainLook(kSimulationExport, "Export"), ExportSimulation, ConfigurationEnabled, nullptr},
    {PlainLook(kExportIoList, "I/O List"), ExportIoListFile, nullptr, nullptr},
    {PlainLook(kImportIoNames, "I/O &Names...",
               "Name the design's I/O elements from a spreadsheet of numbers and names\nImport "
               "I/O Names"),
     ImportIoNamesFile, nullptr, nullptr},
};

} // namespace

std::span<const EditingCommandRow> ToolsCommandRows()
{
    return kRows;
}

} // namespace vantrel
