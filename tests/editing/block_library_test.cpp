#include "editing/block_library.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "editing/logic_block.h"
#include "elements/gates.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A block of one And gate.
LogicBlock GateBlock()
{
    CVantrelDoc document;
    document.InsertElement(std::make_unique<LogAnd>(Point{1, 1}, 1));
    return MakeLogicBlock(document, {document.FindById(1)}, u"Gate", u"One And");
}

TEST(BlockLibrary, BlockNamesBecomeFileNamesAFileSystemTakes)
{
    const struct
    {
        std::u16string name;
        const char* file;
    } cases[] = {
        {u"Latch", "Latch.lgb"},
        {u"Start/stop latch", "Start_stop latch.lgb"},
        {u"a\\b\tc", "a_b_c.lgb"},
        {u".hidden", "_.hidden.lgb"},
        {u"Pumpe \u00fc", "Pumpe \xc3\xbc.lgb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlockFilePath("/blocks", c.name), fs::path("/blocks") / c.file) << c.file;
    EXPECT_TRUE(BlockNameProblem(u"   "));
    EXPECT_TRUE(BlockNameProblem(std::u16string(kMaxBlockNameUnits + 1, u'x')));
    EXPECT_FALSE(BlockNameProblem(u"Latch"));
}

TEST(BlockLibrary, WritingMakesTheFolderAndAFailedWriteKeepsTheFileBefore)
{
    const fs::path folder = test::FreshTestFolder("block_library") / "new" / "blocks";
    const LogicBlock block = GateBlock();
    WriteBlockFile(folder / "latch.lgb", block);
    const Bytes written = ReadFileBytes(folder / "latch.lgb");
    EXPECT_EQ(written, BlockFileBytes(block).value());

    LogicBlock tooLarge = block;
    tooLarge.payload.resize(kMaxBlockPayloadBytes + 1);
    EXPECT_THROW(WriteBlockFile(folder / "latch.lgb", tooLarge), FileError);
    if (::geteuid() != 0) {
        ::chmod(folder.c_str(), 0500);
        EXPECT_THROW(WriteBlockFile(folder / "latch.lgb", block), FileError);
        ::chmod(folder.c_str(), 0700);
    }
    EXPECT_EQ(ReadFileBytes(folder / "latch.lgb"), written);
}

TEST(BlockLibrary, RenamingKeepsTheBlockAndRefusesANameInUse)
{
    const fs::path folder = test::FreshTestFolder("block_library");
    LogicBlock block = GateBlock();
    WriteBlockFile(folder / "latch.lgb", block);
    WriteBlockFile(folder / "Other.lgb", block);
    WriteFileAtomically(folder / "broken.lgb", Bytes{'V', 'T', 'L'});

    const BlockRenaming renamed = RenameBlockFile(folder / "latch.lgb", u"Motor latch");
    EXPECT_TRUE(renamed.problem.empty());
    EXPECT_EQ(renamed.file, folder / "Motor latch.lgb");
    EXPECT_FALSE(fs::exists(folder / "latch.lgb"));
    block.name = u"Motor latch";
    EXPECT_EQ(ReadFileBytes(renamed.file), BlockFileBytes(block).value());

    // Its own name again changes nothing; the name of another block's
    // file, no name and a damaged file are refused, the files kept.
    EXPECT_EQ(RenameBlockFile(renamed.file, u"Motor latch").file, renamed.file);
    EXPECT_EQ(ReadFileBytes(renamed.file), BlockFileBytes(block).value());
    const struct
    {
        fs::path file;
        std::u16string name;
        const char* problem;
    } refused[] = {
        {renamed.file, u"Other", "There is a block named \"Other\" already"},
        {renamed.file, u"", "needs a name"},
        {folder / "broken.lgb", u"Fixed", "damaged"},
    };
    for (const auto& r : refused) {
        const BlockRenaming refusal = RenameBlockFile(r.file, r.name);
        EXPECT_NE(ToUtf8(refusal.problem).find(r.problem), std::string::npos) << r.problem;
        EXPECT_TRUE(fs::exists(r.file));
    }
    EXPECT_EQ(ReadFileBytes(folder / "Other.lgb"), BlockFileBytes(GateBlock()).value());
}

} // namespace
} // namespace vantrel
