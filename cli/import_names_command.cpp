#include "import_names_command.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/io_name_import.h"

#include <ostream>

namespace vantrel::cli {

namespace {

// The kind of I/O the sheet names: --type, else the file's name as the
// export names its lists. Guessing would put input names on outputs.
IoListType SheetType(const Arguments& arguments, const std::filesystem::path& sheet)
{
    if (const std::optional<std::string> type = arguments.Value("--type"))
        return IoListTypeOption(*type);
    if (const std::optional<IoListType> type = IoListTypeOfFile(sheet))
        return *type;
    throw UsageError("the name of " + sheet.filename().string() +
                     " does not tell which I/O it names: give --type inputs, outputs, ainputs "
                     "or aoutputs");
}

} // namespace

int RunImportNames(const Arguments& arguments, Context& context)
{
    if (arguments.positional.size() != 2)
        throw UsageError("expected a design file and a file of I/O names");
    const std::filesystem::path design = arguments.positional[0];
    const std::filesystem::path names = arguments.positional[1];
    const IoListType type = SheetType(arguments, names);
    IoNameSheet sheet;
    try {
        sheet = ReadIoNameSheet(ReadFileBytes(names));
    } catch (const FileError& failure) {
        ReportFileError(context, failure);
        return kExitCannotOpen;
    }
    if (sheet.unreadable) {
        context.notifier.Message(FromUtf8(names.string()) + u": " + *sheet.unreadable,
                                 kApplicationTitle, MessageButtons::Ok);
        return kExitCannotOpen;
    }
    CVantrelDoc document(&context.notifier);
    if (OpenDesign(document, design, context.codec) != OpenOutcome::Opened)
        return kExitCannotOpen;
    const IoNameImport import = ImportIoNames(document, sheet, type, arguments.Has("--create"));
    context.out << ToUtf8(IoNameImportReport(import));
    if (!import.problems.empty())
        return kExitProblemsFound;
    const std::optional<std::string> output = arguments.Value("-o");
    if ((output || import.Changed()) &&
        !SaveDesign(document, output.value_or(design.string()), context.codec))
        return kExitCannotWrite;
    return import.Reported() ? kExitProblemsFound : kExitOk;
}

} // namespace vantrel::cli
