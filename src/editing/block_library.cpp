#include "editing/block_library.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "editing/logic_block.h"

#include <cerrno>

namespace vantrel {

std::optional<std::u16string> BlockNameProblem(const std::u16string& name)
{
    if (name.find_first_not_of(u' ') == std::u16string::npos)
        return u"A block needs a name.";
    if (name.size() > kMaxBlockNameUnits)
        return u"A block's name has at most " + Decimal(kMaxBlockNameUnits) + u" characters.";
    return std::nullopt;
}

std::filesystem::path BlockFilePath(const std::filesystem::path& folder, const std::u16string& name)
{
    std::u16string stem = name;
    for (char16_t& unit : stem)
        if (unit < u' ' || unit == u'/' || unit == u'\\' || unit == 0x7f)
            unit = u'_';
    if (stem.empty() || stem.front() == u'.')
        stem.insert(stem.begin(), u'_');
    return folder / (ToUtf8(stem) + kBlockExtension);
}

void WriteBlockFile(const std::filesystem::path& file, const LogicBlock& block)
{
    const std::optional<std::vector<std::uint8_t>> bytes = BlockFileBytes(block);
    if (!bytes)
        throw FileError(file, EFBIG);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        throw FileError(file.parent_path(), error.value());
    WriteFileAtomically(file, *bytes);
}

BlockRenaming RenameBlockFile(const std::filesystem::path& file, const std::u16string& name)
{
    if (const auto problem = BlockNameProblem(name))
        return {{}, *problem};
    BlockReading reading = ReadLogicBlock(ReadFileBytes(file));
    if (!reading.block)
        return {{}, reading.problem};
    const std::filesystem::path renamed = BlockFilePath(file.parent_path(), name);
    std::error_code error;
    const bool sameFile = std::filesystem::equivalent(renamed, file, error);
    if (!sameFile && std::filesystem::exists(renamed, error))
        return {{},
                u"There is a block named \"" + name + u"\" already (" +
                    FromUtf8(renamed.filename().string()) +
                    u"): choose another name or delete that block first."};
    reading.block->name = name;
    WriteBlockFile(renamed, *reading.block);
    if (!sameFile && !std::filesystem::remove(file, error) && error)
        throw FileError(file, error.value());
    return {renamed, {}};
}

} // namespace vantrel
