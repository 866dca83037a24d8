// The command line on design files made to hurt it, run as a real process
// under the limits an attacker's victim may have: an address space of
// 1 GiB, a file-size limit. Every run ends with the system's message and an
// exit code, never with a signal.
#include "support/hostile_designs.h"
#include "support/image_bombs.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer reserves far more address space than it uses.
constexpr rlim_t kAddressSpace = RLIM_INFINITY;
#else
constexpr rlim_t kAddressSpace = rlim_t(1) << 30;
#endif

struct Limits
{
    rlim_t addressSpace = kAddressSpace;
    rlim_t fileSize = RLIM_INFINITY;
};

struct CliRun
{
    bool signalled = false;
    int exitCode = -1;
    std::string err;
};

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class HostileCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const fs::path base = test::FreshTestFolder("hostile_cli");
        errors = base / "stderr.txt";
        files = base / "files";
        fs::create_directories(files);
    }

    // vantrel-cli with the arguments, run in the files' folder.
    CliRun Cli(const std::vector<std::string>& arguments, Limits limits = {})
    {
        std::vector<std::string> words{VANTREL_CLI_PATH};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        argv.reserve(words.size() + 1);
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int out = ::open("/dev/null", O_WRONLY);
            const rlimit space{limits.addressSpace, limits.addressSpace};
            const rlimit size{limits.fileSize, limits.fileSize};
            if (err < 0 || out < 0 || ::dup2(err, 2) < 0 || ::dup2(out, 1) < 0 ||
                ::chdir(files.c_str()) != 0 || ::setrlimit(RLIMIT_AS, &space) != 0 ||
                ::setrlimit(RLIMIT_FSIZE, &size) != 0)
                ::_exit(126);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        CliRun run;
        run.signalled = WIFSIGNALED(status);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = ReadFile(errors);
        return run;
    }

    std::vector<std::string> FileNames() const { return test::SortedFileNames(files); }

    fs::path errors;
    fs::path files;
};

struct HostileFile
{
    const char* name;
    std::vector<std::uint8_t> (*bytes)();
    int checkExit;
    // A line the check prints.
    const char* told;
};

const HostileFile kHostileFiles[] = {
    {"GateInIndirectList", test::GateInIndirectList, 1, "Error: Element in the wrong place\n"},
    {"HugeInputNumber", test::HugeInputNumber, 1, "Error: Duplicate numbers\n"},
    {"OverflowingCounts", test::OverflowingCounts, 1, "Out of range: A\n"},
    {"MarkerChain", [] { return test::MarkerChain(24000, 8000); }, 0, ""},
    {"MarkersInMainList", [] { return test::MarkersInMainList(200000); }, 0,
     "Error: Replicator in the wrong place\n"},
    {"CommentsInMainList", [] { return test::CommentsInMainList(100000); }, 1,
     "Warning!: There is an unconnected input.\n"},
    {"DanglingInputs", [] { return test::DanglingInputs(48000); }, 1,
     "Warning!: There is an unconnected input.\n"},
    {"SharedIds", [] { return test::SharedIds(50000); }, 1, "Error: Duplicate index\n"},
};

// Names the file in the test's listing.
void PrintTo(const HostileFile& file, std::ostream* out)
{
    *out << file.name;
}

class HostileFiles : public HostileCli, public ::testing::WithParamInterface<HostileFile>
{};

TEST_P(HostileFiles, AreCheckedSortedAndExported)
{
    const HostileFile& design = GetParam();
    WriteFile(files / "design.lgc", design.bytes());
    const CliRun check = Cli({"check", "design.lgc"});
    EXPECT_FALSE(check.signalled);
    EXPECT_EQ(check.exitCode, design.checkExit) << check.err.substr(0, 500);
    EXPECT_NE(check.err.find(design.told), std::string::npos) << check.err.substr(0, 500);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"sort", "design.lgc", "-o", "sorted.lgc"},
          std::vector<std::string>{"flash", "design.lgc", "-o", "flash.lgf", "--random", "1"},
          std::vector<std::string>{"json", "design.lgc", "-o", "flash.lgj", "--random", "1"}}) {
        const CliRun run = Cli(command);
        EXPECT_FALSE(run.signalled) << command[0];
        EXPECT_EQ(run.exitCode, 0) << command[0] << ": " << run.err.substr(0, 500);
    }
}

// Git runs the dump on whatever a repository holds.
TEST_P(HostileFiles, AreDumpedAndCompared)
{
    WriteFile(files / "design.lgc", GetParam().bytes());
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"dump", "design.lgc"},
          std::vector<std::string>{"diff", "design.lgc", "design.lgc"}}) {
        const CliRun run = Cli(command);
        EXPECT_FALSE(run.signalled) << command[0];
        EXPECT_EQ(run.exitCode, 0) << command[0] << ": " << run.err.substr(0, 500);
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, HostileFiles, ::testing::ValuesIn(kHostileFiles),
                         [](const auto& test) { return std::string(test.param.name); });

// A design that raises one message per element prints each distinct
// message twenty times, then one line with how many more there were.
TEST_F(HostileCli, RepeatedMessagesArePrintedTwentyTimesThenCounted)
{
    const struct
    {
        std::vector<std::uint8_t> bytes;
        std::string line;
        const char* more;
    } cases[] = {
        {test::MarkersInMainList(200000), "Error: Replicator in the wrong place", "199980"},
        {test::SharedIds(50000), "Error: Duplicate index", "49979"},
    };
    for (const auto& c : cases) {
        WriteFile(files / "design.lgc", c.bytes);
        const CliRun run = Cli({"info", "design.lgc"});
        EXPECT_EQ(run.exitCode, 0);
        std::string expected;
        for (int i = 0; i < 20; ++i)
            expected += c.line + '\n';
        expected += c.line + " (shown 20 times; " + c.more + " more not shown)\n";
        EXPECT_EQ(run.err, expected);
    }
}

TEST_F(HostileCli, OnlyRegularFilesOfABoundedSizeAreOpened)
{
    ASSERT_EQ(::mkfifo((files / "pipe.lgc").c_str(), 0600), 0);
    fs::create_directory(files / "folder.lgc");
    std::ofstream(files / "huge.lgc").close();
    fs::resize_file(files / "huge.lgc", std::uintmax_t(1) << 30); // sparse
    const std::pair<const char*, const char*> refused[] = {
        {"pipe.lgc", "Vantrel v2: pipe.lgc: No such device\n"},
        {"/dev/zero", "Vantrel v2: /dev/zero: No such device\n"},
        {"folder.lgc", "Vantrel v2: folder.lgc: Is a directory\n"},
        {"huge.lgc", "Vantrel v2: huge.lgc: File too large\n"},
    };
    for (const auto& [file, told] : refused) {
        const CliRun run = Cli({"check", file});
        EXPECT_EQ(run.exitCode, 3) << file;
        EXPECT_EQ(run.err, told);
    }
}

TEST_F(HostileCli, AFileSizeLimitFailsTheWriteAndLeavesTheOldFileAlone)
{
    WriteFile(files / "design.lgc", test::MarkerChain(3000, 10));
    const std::string design = ReadFile(files / "design.lgc");
    ASSERT_GT(design.size(), 20000u);
    std::ofstream(files / "old.lgc") << "the old content";
    const std::pair<std::vector<std::string>, std::string> writes[] = {
        {{"save", "design.lgc", "-o", "old.lgc"}, "old.lgc"},
        {{"sort", "design.lgc"}, "design.lgc"},
    };
    for (const auto& [command, target] : writes) {
        Limits limits;
        limits.fileSize = 16384;
        const CliRun run = Cli(command, limits);
        EXPECT_FALSE(run.signalled) << command[0];
        EXPECT_EQ(run.exitCode, 4) << command[0];
        EXPECT_EQ(run.err, "Vantrel v2: " + target + ": File too large\n");
    }
    EXPECT_EQ(ReadFile(files / "old.lgc"), "the old content");
    EXPECT_EQ(ReadFile(files / "design.lgc"), design);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"design.lgc", "old.lgc"}));
}

#if !defined(__SANITIZE_ADDRESS__)
TEST_F(HostileCli, MemoryThatRunsOutIsToldAsSuch)
{
    std::ofstream(files / "big.lgc").close();
    fs::resize_file(files / "big.lgc", std::uintmax_t(200) << 20); // sparse
    Limits limits;
    limits.addressSpace = rlim_t(256) << 20;
    const CliRun run = Cli({"check", "big.lgc"}, limits);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "Vantrel v2: Out of memory.\n");
}

// A picture too large for the memory left cannot be made, so there is no
// PNG to write: the render says so instead of writing an empty file.
TEST_F(HostileCli, ARenderThatCannotBeMadeIsToldAndWritesNothing)
{
    WriteFile(files / "small.lgc", test::DanglingInputs(10));
    Limits limits;
    limits.addressSpace = rlim_t(768) << 20;
    const CliRun run =
        Cli({"render", "small.lgc", "-o", "out.png", "--size", "16384x16384"}, limits);
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.err.find("Vantrel v2: The picture could not be encoded as PNG.\n"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(files / "out.png"));
}
#endif

} // namespace
} // namespace vantrel

namespace vantrel {
namespace {

// How many times `part` stands in `whole`.
int Occurrences(const std::string& whole, const std::vector<std::uint8_t>& part)
{
    const std::string needle(part.begin(), part.end());
    int count = 0;
    for (auto at = whole.find(needle); at != std::string::npos; at = whole.find(needle, at + 1))
        ++count;
    return count;
}

struct ImageBomb
{
    const char* name;
    std::vector<std::uint8_t> (*bytes)();
};

// Each claims 16384 x 4000 pixels, 262 MB decoded, in a few dozen bytes.
const ImageBomb kImageBombs[] = {
    {"LyingGif", [] { return test::GifClaiming(16384, 4000); }},
    {"TruncatedJpeg", [] { return test::TruncatedJpegClaiming(16384, 4000); }},
    {"IconHoldingAHugePng", [] { return test::IconHolding(test::PngClaiming(16384, 4000)); }},
};

void PrintTo(const ImageBomb& bomb, std::ostream* out)
{
    *out << bomb.name;
}

class ImageBombs : public HostileCli, public ::testing::WithParamInterface<ImageBomb>
{};

// Eight pages of the bomb: drawn, saved and exported in bounded memory and
// time, and the saved design keeps every page's file as it came.
TEST_P(ImageBombs, AreDrawnSavedAndExportedAndKept)
{
    const std::vector<std::uint8_t> bomb = GetParam().bytes();
    WriteFile(files / "design.lgc", test::PagesHolding(bomb, 8));
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"render", "design.lgc", "-o", "page.png", "--page", "8"},
          std::vector<std::string>{"save", "design.lgc", "-o", "saved.lgc"},
          std::vector<std::string>{"json", "design.lgc", "-o", "flash.lgj", "--random", "1"},
          std::vector<std::string>{"flash", "design.lgc", "-o", "flash.lgf", "--random", "1"}}) {
        const auto start = std::chrono::steady_clock::now();
        const CliRun run = Cli(command);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(run.signalled) << command[0];
        EXPECT_EQ(run.exitCode, 0) << command[0] << ": " << run.err.substr(0, 500);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(elapsed, std::chrono::seconds(2)) << command[0];
#endif
    }
    EXPECT_EQ(Occurrences(ReadFile(files / "saved.lgc"), bomb), 8);
}

INSTANTIATE_TEST_SUITE_P(Files, ImageBombs, ::testing::ValuesIn(kImageBombs),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HostileCli, AHundredPagesOfLyingGifsOpenSaveAndReopenWithEveryImage)
{
    const std::vector<std::uint8_t> gif = test::GifClaiming(16384, 4000);
    ASSERT_EQ(gif.size(), 35u);
    WriteFile(files / "design.lgc", test::PagesHolding(gif, 100));
    const CliRun save = Cli({"save", "design.lgc", "-o", "saved.lgc"});
    EXPECT_EQ(save.exitCode, 0) << save.err;
    const CliRun reopen = Cli({"save", "saved.lgc", "-o", "again.lgc"});
    EXPECT_EQ(reopen.exitCode, 0) << reopen.err;
    const std::string saved = ReadFile(files / "saved.lgc");
    EXPECT_EQ(Occurrences(saved, gif), 100);
    EXPECT_EQ(ReadFile(files / "again.lgc"), saved);
    const CliRun render = Cli({"render", "saved.lgc", "-o", "page.png", "--page", "100"});
    EXPECT_EQ(render.exitCode, 0) << render.err;
}

} // namespace
} // namespace vantrel
