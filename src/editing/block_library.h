#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantrel {

struct LogicBlock;

// Why a block cannot take the name (empty, or longer than a block's name);
// none when it can.
std::optional<std::u16string> BlockNameProblem(const std::u16string& name);

// The file a block of that name is kept in within the folder: the name with
// the characters a file name cannot hold (slashes, control characters, a
// leading dot) replaced by "_", and the block extension.
std::filesystem::path BlockFilePath(const std::filesystem::path& folder,
                                    const std::u16string& name);

// Writes the block's file, making its folder first; an existing file is
// replaced only once the new one is complete. Raises FileError when the
// folder or the file cannot be written.
void WriteBlockFile(const std::filesystem::path& file, const LogicBlock& block);

// Gives the block of the file a new name: its file is written anew under
// the name's file with everything else kept, and the old file removed.
// Returns the new file, or why nothing was changed (a damaged file, a name
// a block cannot take or that another file of the folder has). Raises
// FileError when the files cannot be read or written.
struct BlockRenaming
{
    std::filesystem::path file;
    std::u16string problem;
};
BlockRenaming RenameBlockFile(const std::filesystem::path& file, const std::u16string& name);

} // namespace vantrel
