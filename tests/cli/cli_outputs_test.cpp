// The command line's outputs that are not regular files: standard output,
// named pipes and devices are written into, never replaced, and the remote
// module files are never put beside them.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "qt_adapters/qt_image_codec.h"

#include "cli_run.h"
#include "support/pipes_and_devices.h"
#include "support/plant_design.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// A command that writes one file, with the options that make its bytes the
// same on every run, and the name its output gets in a folder.
struct WritingCommand
{
    QStringList before; // the command and its options before -o
    std::string fileName;
    bool takesDash; // "-o -" means standard output
};

const WritingCommand kWritingCommands[] = {
    {{"save"}, "saved.lgc", false},
    {{"sort"}, "sorted.lgc", false},
    {{"flash", "--random", "9"}, "flash.lgf", false},
    {{"json", "--random", "9"}, "flash.lgj", true},
    {{"iolist", "--type", "outputs"}, "outputs.csv", true},
    {{"simulation"}, "simulation.lgf", true},
    {{"render", "--size", "64x48"}, "picture.png", true},
};

class CliOutputs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("cli_outputs");
        work = folder / "work";
        fs::create_directory(work);
        CVantrelDoc document;
        test::BuildSmallPlant(document); // one remote I/O module
        document.nextElementId = 61;
        design = folder / "plant.lgc";
        ASSERT_TRUE(SaveDesign(document, design, QtImageCodec()));
    }

    test::CliRun Write(const WritingCommand& command, const QString& output)
    {
        QStringList arguments = command.before;
        arguments.insert(1, test::Q(design));
        return test::RunCli(arguments + QStringList{"-o", output}, work);
    }

    // The bytes the command writes into a regular file.
    std::string Expected(const WritingCommand& command)
    {
        const fs::path file = folder / "expected" / command.fileName;
        fs::create_directories(file.parent_path());
        const test::CliRun run = Write(command, test::Q(file));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return test::ReadFile(file);
    }

    fs::path folder;
    fs::path work; // the command line's working folder
    fs::path design;
};

TEST_F(CliOutputs, StandardOutputInAPipeGetsTheFileAndTheReportGoesToStandardError)
{
    for (const WritingCommand& command : kWritingCommands) {
        SCOPED_TRACE(command.before.join(' ').toStdString());
        const std::string expected = Expected(command);
        ASSERT_FALSE(expected.empty());
        QStringList outputs{"/dev/stdout"};
        if (command.takesDash)
            outputs << "-";
        for (const QString& output : outputs) {
            const test::CliRun run = Write(command, output);
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.out, expected);
        }
    }
    const test::CliRun json = Write(kWritingCommands[3], "-");
    EXPECT_EQ(json.err.rfind("Logic elements:", 0), 0u) << json.err;
    // The remote module files of an export to standard output went into the
    // working folder, and no file named "-" was made.
    EXPECT_EQ(test::SortedFileNames(work), std::vector<std::string>{"remote0.lgf"});
}

TEST_F(CliOutputs, ANamedPipeGetsTheBytesAndStaysAPipe)
{
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const WritingCommand& command : kWritingCommands) {
        SCOPED_TRACE(command.before.join(' ').toStdString());
        const std::string expected = Expected(command);
        std::future<std::vector<std::uint8_t>> read = test::ReadPipe(pipe);
        const test::CliRun run = Write(command, test::Q(pipe));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const std::vector<std::uint8_t> bytes = read.get();
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
        EXPECT_TRUE(fs::is_fifo(pipe));
    }
    EXPECT_EQ(test::SortedFileNames(folder),
              (std::vector<std::string>{"expected", "pipe", "plant.lgc", "work"}));
    EXPECT_EQ(test::SortedFileNames(work), std::vector<std::string>{"remote0.lgf"});
}

TEST_F(CliOutputs, TheRemoteModulesGoWhereModulesSays)
{
    fs::create_directory(folder / "modules");
    for (const char* command : {"flash", "json"}) {
        fs::remove_all(folder / "modules" / "remote0.lgf");
        const test::CliRun run =
            test::RunCli({command, test::Q(design), "-o", test::Q(folder / "out"), "--modules",
                          test::Q(folder / "modules")},
                         work);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(fs::file_size(folder / "modules" / "remote0.lgf"), 56u) << command;
    }
    EXPECT_FALSE(fs::exists(folder / "remote0.lgf"));
    EXPECT_TRUE(fs::is_empty(work));
}

TEST_F(CliOutputs, DeviceNodesAreWrittenIntoAndKept)
{
    const std::optional<test::DeviceNodes> nodes = test::MakeDeviceNodes(folder);
    if (!nodes)
        GTEST_SKIP() << "device nodes cannot be made here (not root?)";
    const fs::path& null = nodes->null;
    const fs::path& full = nodes->full;
    const char* commands[] = {"flash", "json", "save", "render"};
    for (const char* command : commands) {
        const test::CliRun failed =
            test::RunCli({command, test::Q(design), "-o", test::Q(full)}, work);
        EXPECT_EQ(failed.exitCode, 4) << command;
        EXPECT_NE(failed.err.find("Vantrel v2: Destination disk drive is full.\n"),
                  std::string::npos)
            << failed.err;
        EXPECT_TRUE(fs::is_character_file(full));
        // A flash file that failed has no remote module files; the JSON
        // export writes them all the same, into the working folder.
        if (command == std::string("flash")) {
            EXPECT_TRUE(fs::is_empty(work));
        }
    }
    for (const char* command : commands) {
        const test::CliRun written =
            test::RunCli({command, test::Q(design), "-o", test::Q(null)}, work);
        EXPECT_EQ(written.exitCode, 0) << command << written.err;
        EXPECT_TRUE(fs::is_character_file(null));
    }
    EXPECT_EQ(test::SortedFileNames(folder),
              (std::vector<std::string>{"full", "null", "plant.lgc", "work"}));
    EXPECT_EQ(test::SortedFileNames(work), std::vector<std::string>{"remote0.lgf"});
}

} // namespace
} // namespace vantrel
