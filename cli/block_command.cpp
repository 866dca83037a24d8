#include "block_command.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/logic_block.h"
#include "editing/view_state.h"

#include <ostream>

namespace vantrel::cli {

namespace {

// The blocks the package installs, beside the program: PREFIX/share/vantrel/blocks.
std::filesystem::path InstalledBlockFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return program.parent_path().parent_path() / "share" / "vantrel" / "blocks";
}

int ListBlockFolders(const Arguments& arguments, Context& context)
{
    // A design stands for the blocks folder beside it.
    std::vector<std::filesystem::path> folders;
    for (auto named = arguments.positional.begin() + 1; named != arguments.positional.end();
         ++named) {
        const std::filesystem::path path = *named;
        folders.push_back(path.extension() == ".lgc" ? DesignBlockFolder(path) : path);
    }
    if (folders.empty())
        folders = {UserBlockFolder(), InstalledBlockFolder()};
    bool damaged = false;
    for (const std::filesystem::path& folder : folders)
        for (const BlockEntry& entry : ListBlocks(folder)) {
            context.out << entry.file.string() << ": ";
            if (entry.reading.block)
                context.out << ToUtf8(entry.reading.block->name) << "\n    "
                            << ToUtf8(entry.reading.block->description) << '\n';
            else
                context.out << "damaged: " << ToUtf8(entry.reading.problem) << '\n';
            damaged = damaged || !entry.reading.block;
        }
    return damaged ? kExitProblemsFound : kExitOk;
}

Point CellOption(const Arguments& arguments)
{
    const std::optional<std::string> cell = arguments.Value("--cell");
    const std::size_t comma = cell ? cell->find(',') : std::string::npos;
    if (comma == std::string::npos)
        throw UsageError("block place needs --cell X,Y");
    constexpr int kLimit = 1 << 24;
    return {ParseNumber("--cell", cell->substr(0, comma), -kLimit, kLimit),
            ParseNumber("--cell", cell->substr(comma + 1), -kLimit, kLimit)};
}

int PlaceBlockFile(const Arguments& arguments, Context& context)
{
    if (arguments.positional.size() != 3)
        throw UsageError("block place takes a design file and a block file");
    const Point cell = CellOption(arguments);
    const std::filesystem::path design = arguments.positional[1];
    const std::filesystem::path blockFile = arguments.positional[2];
    BlockReading reading;
    try {
        reading = ReadLogicBlock(ReadFileBytes(blockFile));
    } catch (const FileError& failure) {
        ReportFileError(context, failure);
        return kExitCannotOpen;
    }
    if (!reading.block) {
        context.notifier.Message(FromUtf8(blockFile.string()) + u": " + reading.problem,
                                 kApplicationTitle, MessageButtons::Ok);
        return kExitCannotOpen;
    }
    CVantrelDoc document(&context.notifier);
    if (OpenDesign(document, design, context.codec) != OpenOutcome::Opened)
        return kExitCannotOpen;
    ViewState state;
    if (!PlaceLogicBlock(document, state, *reading.block, cell))
        return kExitCannotWrite;
    context.out << "placed " << ToUtf8(reading.block->name) << ": " << state.logicSelection.size()
                << " elements, ids " << state.logicSelection.front()->id << " to "
                << state.logicSelection.back()->id << '\n';
    return SaveDesign(document, arguments.Value("-o").value_or(design.string()), context.codec)
               ? kExitOk
               : kExitCannotWrite;
}

} // namespace

int RunBlock(const Arguments& arguments, Context& context)
{
    const std::string action = arguments.positional.empty() ? "" : arguments.positional[0];
    if (action == "list") {
        if (arguments.Value("--cell") || arguments.Value("-o"))
            throw UsageError("block list takes folders only");
        return ListBlockFolders(arguments, context);
    }
    if (action == "place")
        return PlaceBlockFile(arguments, context);
    throw UsageError("expected block list or block place");
}

} // namespace vantrel::cli
