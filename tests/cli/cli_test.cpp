// The command line run as a real process on files made by the tests.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "hardware/sim_element.h"
#include "qt_adapters/qt_image_codec.h"

#include "cli_run.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::Q;
using test::ReadFile;
using test::RunCli;

class Cli : public ::testing::Test
{
protected:
    void SetUp() override { folder = test::FreshTestFolder("cli"); }

    // A small design: an input, a gate reading it listed before it, an output.
    fs::path MakeDesign(const std::string& name,
                        const std::vector<RemoteIoModule>& remoteModules = {})
    {
        CVantrelDoc document;
        document.remoteIo.modules = remoteModules;
        auto gate = std::make_unique<LogAnd>(Point{2, 0}, 2);
        gate->inputs = {1, 1, 0, 0};
        document.elements[kMainList].push_back(std::move(gate));
        document.elements[kMainList].push_back(std::make_unique<LogIn>(Point{0, 0}, 1, 3, u"In"));
        auto output = std::make_unique<LogOut>(Point{4, 0}, 3, 0, u"Out");
        output->inputs[0] = 2;
        document.elements[kMainList].push_back(std::move(output));
        auto dial = std::make_unique<SimElement>(1, u"Dial");
        dial->inputs[0] = 1;
        document.simulationElements.push_back(std::move(dial));
        document.nextElementId = 4;
        document.designStamp = 1000;
        fs::path path = folder / name;
        EXPECT_TRUE(SaveDesign(document, path, codec));
        return path;
    }

    fs::path folder;
    QtImageCodec codec;
};

TEST_F(Cli, HelpAndVersion)
{
    CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: vantrel-cli", 0), 0u);
    EXPECT_EQ(RunCli({"--version"}).out, "vantrel-cli 2.0\n");
    for (const char* command :
         {"info", "sort", "save", "flash", "json", "iolist", "check", "simulation", "render"}) {
        CliRun commandHelp = RunCli({command, "--help"});
        EXPECT_EQ(commandHelp.exitCode, 0) << command;
        EXPECT_EQ(commandHelp.out.rfind(std::string("Usage: vantrel-cli ") + command, 0), 0u);
    }
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    const fs::path design = MakeDesign("a.lgc");
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"--frobnicate"}, QStringList{"frobnicate"},
          QStringList{"info"}, QStringList{"info", Q(design), "--bogus"},
          QStringList{"info", Q(design), Q(design)}, QStringList{"save", Q(design)},
          QStringList{"sort", Q(design), "-o"}}) {
        CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
}

TEST_F(Cli, InfoPrintsTheCountsAsOneJsonObject)
{
    CliRun run = RunCli({"info", Q(MakeDesign("a.lgc"))});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"version\":19,\"numInputs\":32,\"numOutputs\":32,\"nextId\":4,\"speed\":64,"
              "\"background\":\"#ffffff\",\"stamp\":1000,\"lists\":{\"main\":3,\"indirect\":0,"
              "\"register\":0,\"accumulator\":0,\"noop\":0,\"constant\":0,\"timer\":0,"
              "\"comment\":0},\"paint\":0,\"commands\":0,\"simulation\":1,\"pages\":1,"
              "\"remoteModules\":0,\"customModules\":0,\"requiredVersion\":2,"
              "\"loopElements\":0}\n");
}

TEST_F(Cli, SortRewritesTheDesignInEvaluationOrder)
{
    const fs::path design = MakeDesign("a.lgc");
    EXPECT_EQ(RunCli({"sort", Q(design), "-o", Q(folder / "sorted.lgc")}).exitCode, 0);
    CVantrelDoc sorted;
    ASSERT_EQ(OpenDesign(sorted, folder / "sorted.lgc", codec), OpenOutcome::Opened);
    EXPECT_EQ(sorted.MainAt(0)->id, 1);
    EXPECT_EQ(sorted.MainAt(1)->id, 2);
    EXPECT_EQ(sorted.MainAt(2)->id, 3);

    const std::string before = ReadFile(design);
    EXPECT_EQ(RunCli({"sort", Q(design)}).exitCode, 0); // in place
    EXPECT_NE(ReadFile(design), before);
    EXPECT_EQ(ReadFile(design), ReadFile(folder / "sorted.lgc"));
}

TEST_F(Cli, SaveUpgradesAnOldFile)
{
    // A version-1 file: header, an empty paint list, an empty main list.
    const fs::path old = folder / "old.lgc";
    std::ofstream(old, std::ios::binary)
        << std::string("\x01\0\0\0\x10\0\0\0\x08\0\0\0\x05\0\0\0\0\0\0\0", 20);
    EXPECT_EQ(RunCli({"save", Q(old), "-o", Q(folder / "new.lgc")}).exitCode, 0);
    CliRun info = RunCli({"info", Q(folder / "new.lgc")});
    EXPECT_EQ(info.out.rfind("{\"version\":19,\"numInputs\":16,\"numOutputs\":8,\"nextId\":5", 0),
              0u);
}

TEST_F(Cli, SimulationWritesTheSimulatorFile)
{
    const fs::path design = MakeDesign("a.lgc");
    EXPECT_EQ(RunCli({"simulation", Q(design)}, folder).exitCode, 0);
    EXPECT_EQ(
        ReadFile(folder / "simulation.lgf"),
        std::string("\x01\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\0\0\x03\0\0\0\xFF\xFF\xFF\xFF", 24));
}

TEST_F(Cli, FlashWithAFixedRandomNumberIsReproducible)
{
    const fs::path design = MakeDesign("a.lgc");
    CVantrelDoc withRemote;
    ASSERT_EQ(OpenDesign(withRemote, design, codec), OpenOutcome::Opened);
    withRemote.remoteIo.modules.push_back({8, 8, 0, 57600, false});
    ASSERT_TRUE(SaveDesign(withRemote, design, codec));

    CliRun first = RunCli({"flash", Q(design), "--random", "77"}, folder);
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out.rfind("Logic elements:\t3/12228\n", 0), 0u);
    const std::string image = ReadFile(folder / "flash.lgf");
    EXPECT_EQ(std::uint8_t(image[0x10]), 77);
    EXPECT_EQ(ReadFile(folder / "remote0.lgf").size(), 56u);

    fs::create_directories(folder / "out");
    EXPECT_EQ(
        RunCli({"flash", Q(design), "-o", Q(folder / "out" / "f.lgf"), "--random", "77"}).exitCode,
        0);
    EXPECT_EQ(ReadFile(folder / "out" / "f.lgf"), image);
    EXPECT_TRUE(fs::exists(folder / "out" / "remote0.lgf"));
    EXPECT_EQ(RunCli({"flash", Q(design), "--random", "40000"}).exitCode, 2);
}

TEST_F(Cli, JsonAndIoListsGoWhereTheyAreTold)
{
    const fs::path design = MakeDesign("a.lgc");
    CliRun json = RunCli({"json", Q(design), "--random", "5"}, folder);
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(ReadFile(folder / "flash.lgj").rfind("\xEF\xBB\xBF{\"contentType\":\"logic\"", 0),
              0u);

    EXPECT_EQ(RunCli({"iolist", Q(design), "--type", "inputs"}, folder).exitCode, 0);
    EXPECT_TRUE(fs::exists(folder / "inputs.csv"));
    EXPECT_EQ(
        RunCli({"iolist", Q(design), "--type", "aoutputs", "--format", "text", "--board", "48"},
               folder)
            .exitCode,
        0);
    EXPECT_TRUE(fs::exists(folder / "aoutputs.txt"));
    EXPECT_EQ(RunCli({"iolist", Q(design)}).exitCode, 2);
    EXPECT_EQ(RunCli({"iolist", Q(design), "--type", "sideways"}).exitCode, 2);
    EXPECT_EQ(RunCli({"iolist", Q(design), "--type", "inputs", "--board", "16"}).exitCode, 2);
}

TEST_F(Cli, CheckReportsEveryProblemAndExitsWithOne)
{
    CliRun clean = RunCli({"check", Q(MakeDesign("clean.lgc"))});
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.err, "");

    CVantrelDoc faulty;
    faulty.elements[kMainList].push_back(std::make_unique<LogIn>(Point{0, 0}, 1, 40, u"Far"));
    auto loop = std::make_unique<LogAnd>(Point{1, 0}, 2);
    loop->inputs = {2, 0, 0, 0};
    faulty.elements[kMainList].push_back(std::move(loop));
    faulty.nextElementId = 3;
    ASSERT_TRUE(SaveDesign(faulty, folder / "faulty.lgc", codec));
    CliRun run = RunCli({"check", Q(folder / "faulty.lgc")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Out of range: Far\n"
                       "Warning!: There is an unconnected input.\n"
                       "Warning: Elements on feedback loops: 2\n");
}

TEST_F(Cli, DesignsThatCannotBeOpenedExitWithThree)
{
    CliRun missing = RunCli({"info", Q(folder / "missing.lgc")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(missing.err,
              "Vantrel v2: " + (folder / "missing.lgc").string() + " was not found.\n");

    const fs::path corrupt = folder / "corrupt.lgc";
    std::ofstream(corrupt, std::ios::binary) << std::string("\x13\0\0\0\x20\0", 6);
    CliRun damaged = RunCli({"info", Q(corrupt)});
    EXPECT_EQ(damaged.exitCode, 3);
    EXPECT_EQ(damaged.err, "Vantrel v2: Unexpected file format.\n");
}

TEST_F(Cli, OutputsThatCannotBeWrittenExitWithFour)
{
    const fs::path design = MakeDesign("a.lgc");
    const fs::path nowhere = folder / "no-such-folder" / "out";
    const std::string missingFolder = "Vantrel v2: Cannot write " + nowhere.string() +
                                      ": the folder " + (folder / "no-such-folder").string() +
                                      " does not exist. Create it or choose another folder.\n";
    for (const QStringList& arguments :
         {QStringList{"save", Q(design)}, QStringList{"simulation", Q(design)},
          QStringList{"flash", Q(design)}, QStringList{"json", Q(design)},
          QStringList{"iolist", Q(design), "--type", "outputs"},
          QStringList{"render", Q(design)}}) {
        CliRun run = RunCli(arguments + QStringList{"-o", Q(nowhere)});
        EXPECT_EQ(run.exitCode, 4) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, missingFolder);
    }
}

// An export whose file cannot be written: the flash export stops there, the
// JSON export still reports and writes the remote module files beside it.
TEST_F(Cli, BlockedExportFilesAndTheRemoteModules)
{
    const fs::path design = MakeDesign("remote.lgc", {{8, 8, 0, 57600, false}});
    fs::create_directory(folder / "blocked");
    CliRun flash = RunCli({"flash", Q(design), "-o", Q(folder / "blocked")});
    EXPECT_EQ(flash.exitCode, 4);
    EXPECT_EQ(flash.out, "");
    EXPECT_NE(flash.err.find((folder / "blocked").string()), std::string::npos) << flash.err;
    EXPECT_FALSE(fs::exists(folder / "remote0.lgf"));

    CliRun json = RunCli({"json", Q(design), "-o", Q(folder / "blocked")});
    EXPECT_EQ(json.exitCode, 4);
    EXPECT_EQ(json.out.rfind("Logic elements:", 0), 0u) << json.out;
    EXPECT_NE(json.err.find((folder / "blocked").string()), std::string::npos) << json.err;
    EXPECT_EQ(fs::file_size(folder / "remote0.lgf"), 56u);
}

TEST_F(Cli, ReadOnlyOutputsStayAsTheyWereAndExitWithFour)
{
    const fs::path design = MakeDesign("a.lgc");
    const fs::path locked = folder / "locked.out";
    std::ofstream(locked) << "keep";
    fs::permissions(locked, fs::perms(0444));
    for (const char* command : {"flash", "save"}) {
        CliRun run = RunCli({command, Q(design), "-o", Q(locked)});
        EXPECT_EQ(run.exitCode, 4) << command;
        EXPECT_EQ(run.err, "Vantrel v2: Access to " + locked.string() + " was denied.\n");
        EXPECT_EQ(ReadFile(locked), "keep");
        EXPECT_EQ(fs::status(locked).permissions(), fs::perms(0444));
    }
}

} // namespace
} // namespace vantrel
