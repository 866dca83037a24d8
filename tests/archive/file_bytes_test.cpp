#include "archive/file_bytes.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class AtomicFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("atomic_files");
        target = folder / "target.bin";
        std::ofstream(target) << "old";
    }

    int Entries() const
    {
        return int(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
    fs::path target;
};

TEST_F(AtomicFiles, AStreamNotCommittedLeavesTheTargetAndNoTemporaryFile)
{
    {
        AtomicFileStream file(target);
        file.Stream() << "half of the new content";
        EXPECT_EQ(Entries(), 2);
    }
    EXPECT_EQ(ReadFileBytes(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(Entries(), 1);
}

TEST_F(AtomicFiles, CommitReplacesTheTargetWhole)
{
    const std::vector<std::uint8_t> bytes{1, 2, 3, 0, 255};
    WriteFileAtomically(target, bytes);
    EXPECT_EQ(ReadFileBytes(target), bytes);
    EXPECT_EQ(Entries(), 1);
}

TEST_F(AtomicFiles, FailuresNameTheFileAndTheReason)
{
    try {
        ReadFileBytes(folder / "missing");
        FAIL();
    } catch (const FileError& error) {
        EXPECT_EQ(error.Message(), FileError(folder / "missing", ENOENT).Message());
        EXPECT_EQ(error.ErrorNumber(), ENOENT);
    }
    EXPECT_EQ(FileError("/x/y", ENOENT).Message(), u"/x/y was not found.");
    EXPECT_EQ(FileError("/x/y", EACCES).Message(), u"Access to /x/y was denied.");
    EXPECT_EQ(FileError("/x/y", ENOSPC).Message(), u"Destination disk drive is full.");
    EXPECT_THROW(WriteFileAtomically(folder / "no" / "such", {}), FileError);
}

} // namespace
} // namespace vantrel
