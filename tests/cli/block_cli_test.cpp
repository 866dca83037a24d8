// vantrel-cli block: the installed example blocks listed and placed into a
// design as a paste, checked in the design's text form.
#include "archive/file_bytes.h"

#include "cli_run.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = VANTREL_EXAMPLES_DIR;

class BlockCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::copy_file(kExamples / "conveyor.lgc", design);
        fs::create_directory(blocks);
        for (const auto& entry : fs::directory_iterator(kExamples / "blocks"))
            fs::copy_file(entry.path(), blocks / entry.path().filename());
    }

    test::CliRun Cli(const QStringList& arguments) { return test::RunCli(arguments, folder); }

    fs::path folder = test::FreshTestFolder("block_cli");
    fs::path design = folder / "conveyor.lgc";
    fs::path blocks = folder / "blocks";
};

TEST_F(BlockCli, ListsTheBlocksOfAFolderAndItsDamagedFiles)
{
    test::CliRun run = Cli({"block", "list", test::Q(blocks)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* name : {"Start/stop latch", "Pulse on rising edge", "Alarm with acknowledge",
                             "Counter with reset"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;

    // A design stands for the blocks folder beside it.
    EXPECT_EQ(Cli({"block", "list", test::Q(design)}).out, run.out);

    const std::string latch = test::ReadFile(blocks / "start_stop_latch.lgb");
    const std::string cut = latch.substr(0, latch.size() / 2);
    WriteFileAtomically(blocks / "cut.lgb",
                        {reinterpret_cast<const std::uint8_t*>(cut.data()), cut.size()});
    run = Cli({"block", "list", test::Q(blocks)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("cut.lgb: damaged: The block file is damaged: it ends too early."),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Counter with reset"), std::string::npos);
}

TEST_F(BlockCli, PlacesABlockAsAPasteWithNewIdsAndItsOwnWiring)
{
    const test::CliRun before = Cli({"dump", test::Q(design)});
    // The conveyor's next id is 14: the Or and the memory take 14 and 15.
    ASSERT_NE(before.out.find("nextId=14"), std::string::npos) << before.out;
    const fs::path placed = folder / "placed.lgc";
    const test::CliRun run =
        Cli({"block", "place", test::Q(design), test::Q(blocks / "start_stop_latch.lgb"), "--cell",
             "9,2", "-o", test::Q(placed)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "placed Start/stop latch: 2 elements, ids 14 to 15\n");
    const std::string dump = Cli({"dump", test::Q(placed)}).out;
    EXPECT_NE(dump.find("element 14 kind=LogOr list=main after=13 cell=9,3 inputs=0,0\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("element 15 kind=LogMem list=main after=14 cell=10,2 inputs=0,14\n"),
              std::string::npos)
        << dump;
    EXPECT_EQ(Cli({"diff", test::Q(design), test::Q(placed)}).out.find("removed"),
              std::string::npos);
}

TEST_F(BlockCli, EveryFailureHasItsExitCode)
{
    const std::string bytes = "VTLBLOCK\x01";
    WriteFileAtomically(blocks / "broken.lgb",
                        {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    const QString latch = test::Q(blocks / "start_stop_latch.lgb");
    const std::string original = test::ReadFile(design);
    const test::ExpectedExit failures[] = {
        {{"block"}, 2},
        {{"block", "show"}, 2},
        {{"block", "place", test::Q(design), latch}, 2},
        {{"block", "place", test::Q(design), latch, "--cell", "x,1"}, 2},
        {{"block", "place", test::Q(design), test::Q(blocks / "broken.lgb"), "--cell", "1,1"}, 3},
        {{"block", "place", test::Q(design), test::Q(blocks / "none.lgb"), "--cell", "1,1"}, 3},
        {{"block", "place", test::Q(folder / "none.lgc"), latch, "--cell", "1,1"}, 3},
        {{"block", "place", test::Q(design), latch, "--cell", "1,1", "-o",
          test::Q(folder / "no" / "out.lgc")},
         4},
    };
    test::ExpectExitCodes(failures, folder);
    EXPECT_EQ(test::ReadFile(design), original);
}

} // namespace
} // namespace vantrel
