#include "archive/file_bytes.h"

#include "archive/text_codec.h"
#include "support/pipes_and_devices.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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

    // Temporary files left anywhere below the folder.
    int Leftovers() const
    {
        int count = 0;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            count += entry.path().filename().string().starts_with(".") ? 1 : 0;
        return count;
    }

    fs::path folder;
    fs::path target;
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    const std::vector<std::uint8_t> fresh{'n', 'e', 'w'};
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
}

// A file written into a folder that does not exist names the folder, the
// one the file goes into when it is named through a link.
TEST_F(AtomicFiles, AMissingFolderIsToldAsSuch)
{
    fs::create_symlink("gone/linked.bin", folder / "link.bin");
    const std::pair<fs::path, fs::path> cases[] = {
        {folder / "no" / "such", folder / "no"},
        {folder / "link.bin", folder / "gone"},
        {"no-such-folder-here/x.bin", "no-such-folder-here"},
    };
    for (const auto& [path, missing] : cases) {
        try {
            WriteFileAtomically(path, fresh);
            ADD_FAILURE() << path;
        } catch (const FileError& failure) {
            EXPECT_EQ(failure.ErrorNumber(), ENOENT);
            EXPECT_EQ(failure.Message(), u"Cannot write " + FromUtf8(path.string()) +
                                             u": the folder " + FromUtf8(missing.string()) +
                                             u" does not exist. Create it or choose another "
                                             u"folder.");
        }
    }
    EXPECT_EQ(Leftovers(), 0);
}

// These hold for root too, who may write every file: a file whose owner has
// no write permission is read-only for every user.
TEST_F(AtomicFiles, ReadOnlyTargetsFailAsWritingInPlaceWouldAndStayAsTheyWere)
{
    const fs::path link = folder / "link.bin";
    fs::create_symlink("target.bin", link);
    const std::function<void(const fs::path&)> writers[] = {
        [this](const fs::path& path) { WriteFileAtomically(path, fresh); },
        [](const fs::path& path) {
            AtomicFileStream file(path);
            file.Stream() << "new";
            file.Commit();
        },
    };
    for (const auto mode : {fs::perms(0444), fs::perms(0400), fs::perms(0466)})
        for (const fs::path& named : {target, link})
            for (const auto& write : writers) {
                SCOPED_TRACE(named.filename().string() + " mode " + std::to_string(int(mode)));
                fs::permissions(target, mode);
                try {
                    write(named);
                    ADD_FAILURE() << "a read-only file was replaced";
                } catch (const FileError& error) {
                    EXPECT_EQ(error.ErrorNumber(), EACCES);
                    EXPECT_EQ(error.Message(),
                              u"Access to " + FromUtf8(named.string()) + u" was denied.");
                }
                EXPECT_EQ(ReadFileBytes(target), old);
                EXPECT_EQ(fs::status(target).permissions(), mode);
                EXPECT_EQ(fs::read_symlink(link), "target.bin");
                EXPECT_EQ(Entries(), 2);
            }
}

TEST_F(AtomicFiles, AReplacedFileKeepsItsPermissionsAndOwner)
{
    for (const auto mode : {fs::perms(0600), fs::perms(0640), fs::perms(0604), fs::perms(0755)}) {
        fs::permissions(target, mode);
        WriteFileAtomically(target, fresh);
        EXPECT_EQ(ReadFileBytes(target), fresh);
        EXPECT_EQ(fs::status(target).permissions(), mode);
    }
    if (::geteuid() != 0)
        return; // only root can give a file to another owner
    ASSERT_EQ(::chown(target.c_str(), 4321, 4322), 0);
    WriteFileAtomically(target, old);
    struct stat status
    {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4321u);
    EXPECT_EQ(status.st_gid, 4322u);
}

// A save through a symbolic link replaces the file it points to, which is
// created when missing, and leaves the link as it was.
TEST_F(AtomicFiles, LinksAreWrittenThroughAndStayLinks)
{
    const fs::path other = folder / "other";
    fs::create_directories(other);
    const struct
    {
        const char* name;
        fs::path pointsTo;
        fs::path file;
        bool exists;
    } cases[] = {
        {"beside", "real.bin", folder / "real.bin", true},
        {"into a folder", "other/inside.bin", other / "inside.bin", true},
        {"absolute", other / "absolute.bin", other / "absolute.bin", true},
        {"dangling", "other/made.bin", other / "made.bin", false},
        {"over another link", "beside", folder / "real.bin", true},
    };
    for (const auto& link : cases) {
        SCOPED_TRACE(link.name);
        if (link.exists && !fs::exists(link.file))
            std::ofstream(link.file) << "old";
        fs::create_symlink(link.pointsTo, folder / link.name);
        WriteFileAtomically(folder / link.name, fresh);
        EXPECT_EQ(ReadFileBytes(link.file), fresh);
        EXPECT_TRUE(fs::is_symlink(folder / link.name));
        EXPECT_EQ(fs::read_symlink(folder / link.name), link.pointsTo);
        EXPECT_EQ(Leftovers(), 0);
    }
    EXPECT_EQ(ReadFileBytes(target), old);
}

TEST_F(AtomicFiles, ALinkLoopFailsWithoutWriting)
{
    fs::create_symlink("loop.bin", folder / "loop.bin");
    try {
        WriteFileAtomically(folder / "loop.bin", fresh);
        FAIL();
    } catch (const FileError& error) {
        EXPECT_EQ(error.ErrorNumber(), ELOOP);
    }
    EXPECT_EQ(Leftovers(), 0);
}

// Writes through the seam: fails with `error` once `budget` bytes are
// written, and writes at most 7 bytes a call, as a system may.
int injectedError = 0;
long budget = 0;
long ShortWritesThenFailure(int fd, const void* data, std::size_t size)
{
    if (budget <= 0) {
        errno = injectedError;
        return -1;
    }
    const long written = ::write(fd, data, std::min<std::size_t>({size, 7, std::size_t(budget)}));
    budget -= written;
    return written;
}

class InjectedWrites : public AtomicFiles
{
protected:
    void TearDown() override { ReplaceWriteCall(nullptr); }
};

TEST_F(InjectedWrites, TheFailingCallsErrorIsTheOneToldAndTheTargetStays)
{
    ReplaceWriteCall(ShortWritesThenFailure);
    const std::vector<std::uint8_t> big(200000, 'x');
    struct Case
    {
        int error;
        std::u16string message;
    };
    const Case cases[] = {
        {ENOSPC, u"Destination disk drive is full."},
        {EFBIG, FromUtf8(target.string()) + u": File too large"},
        {EIO, FromUtf8(target.string()) + u": Input/output error"},
    };
    for (const Case& c : cases) {
        injectedError = c.error;
        budget = 100000;
        try {
            WriteFileAtomically(target, big);
            ADD_FAILURE() << c.error;
        } catch (const FileError& failure) {
            EXPECT_EQ(failure.ErrorNumber(), c.error);
            EXPECT_EQ(failure.Message(), c.message);
        }
        EXPECT_EQ(ReadFileBytes(target), old);
        EXPECT_EQ(Leftovers(), 0);
    }
    // Short writes alone lose nothing.
    budget = 1 << 20;
    WriteFileAtomically(target, big);
    EXPECT_EQ(ReadFileBytes(target), big);
}

TEST_F(AtomicFiles, OnlyRegularFilesOfABoundedSizeAreRead)
{
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path huge = folder / "huge.lgc";
    std::ofstream(huge).close();
    fs::resize_file(huge, kMaxReadFileBytes + 1); // sparse: takes no space
    fs::resize_file(target, kMaxReadFileBytes);
    EXPECT_EQ(ReadFileBytes(target).size(), kMaxReadFileBytes);
    fs::resize_file(target, 3);
    const std::pair<fs::path, int> refused[] = {
        {pipe, ENODEV}, {"/dev/zero", ENODEV}, {folder, EISDIR}, {huge, EFBIG}};
    for (const auto& [path, error] : refused) {
        try {
            ReadFileBytes(path);
            ADD_FAILURE() << path;
        } catch (const FileError& failure) {
            EXPECT_EQ(failure.ErrorNumber(), error) << path;
        }
    }
}

TEST_F(AtomicFiles, ANamedPipeIsWrittenIntoAndStaysAPipe)
{
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_TRUE(IsWrittenInPlace(pipe));
    const std::vector<std::uint8_t> big(300000, 'p'); // more than the pipe holds at once
    std::future<std::vector<std::uint8_t>> read = test::ReadPipe(pipe);
    WriteFileAtomically(pipe, big);
    EXPECT_EQ(read.get(), big);

    // The stream that the JSON export writes through.
    read = test::ReadPipe(pipe);
    {
        AtomicFileStream file(pipe);
        file.Stream() << "streamed";
        file.Commit();
    }
    EXPECT_EQ(read.get(), (std::vector<std::uint8_t>{'s', 't', 'r', 'e', 'a', 'm', 'e', 'd'}));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(Leftovers(), 0);
}

TEST_F(AtomicFiles, WhatIsWrittenInPlace)
{
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("pipe", folder / "to-pipe");
    const std::pair<fs::path, bool> cases[] = {
        {target, false}, {folder / "new.bin", false}, {folder, false},
        {pipe, true},    {folder / "to-pipe", true},  {"/dev/null", true},
    };
    for (const auto& [path, inPlace] : cases)
        EXPECT_EQ(IsWrittenInPlace(path), inPlace) << path;
    // A folder keeps its own error.
    try {
        WriteFileAtomically(folder, fresh);
        ADD_FAILURE();
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.ErrorNumber(), EISDIR);
    }
}

TEST_F(AtomicFiles, DeviceNodesAreWrittenIntoAndKept)
{
    const std::optional<test::DeviceNodes> nodes = test::MakeDeviceNodes(folder);
    if (!nodes)
        GTEST_SKIP() << "device nodes cannot be made here (not root?)";
    const fs::path& full = nodes->full;
    WriteFileAtomically(nodes->null, fresh);
    EXPECT_TRUE(fs::is_character_file(nodes->null));
    try {
        WriteFileAtomically(full, std::vector<std::uint8_t>(100000, 'f'));
        ADD_FAILURE() << "a full device took the bytes";
    } catch (const FileError& failure) {
        EXPECT_EQ(failure.ErrorNumber(), ENOSPC);
        EXPECT_EQ(failure.Message(), u"Destination disk drive is full.");
    }
    EXPECT_TRUE(fs::is_character_file(full));
    EXPECT_EQ(Leftovers(), 0);
}

} // namespace
} // namespace vantrel
