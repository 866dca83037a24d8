// The export routines that the editor and the command line share: what is
// written, reported and left alone when the export's own file cannot be.
#include "export/export_routines.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/stat.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class ExportRoutines : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.remoteIo.modules = {{32, 16, 0, 19200, true}};
        auto input = std::make_unique<LogIn>();
        input->id = document.nextElementId++;
        document.InsertElement(std::move(input));
    }

    // A folder in place of the export file: the folder beside it is
    // writable, so the remote module files can be written there.
    fs::path Blocked(const char* name) const
    {
        fs::create_directory(folder / name);
        return folder / name;
    }

    fs::path folder = test::FreshTestFolder("export_routines");
    test::FakeImageCodec codec;
    CVantrelDoc document;
};

TEST_F(ExportRoutines, FlashWritesTheFileThenTheRemoteModules)
{
    const ExportOutcome outcome = RunFlashExport(document, folder / "flash.lgf", codec, 7);
    EXPECT_TRUE(outcome.Succeeded());
    ASSERT_TRUE(outcome.report);
    EXPECT_NE(outcome.report->find(u"Flash:"), std::u16string::npos);
    EXPECT_TRUE(fs::is_regular_file(folder / "flash.lgf"));
    EXPECT_EQ(fs::file_size(folder / "remote0.lgf"), 56u);
}

TEST_F(ExportRoutines, FailedFlashFileStopsBeforeTheReportAndTheRemoteModules)
{
    const ExportOutcome outcome = RunFlashExport(document, Blocked("flash.lgf"), codec, 7);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].Path(), folder / "flash.lgf");
    EXPECT_FALSE(outcome.report);
    EXPECT_FALSE(fs::exists(folder / "remote0.lgf"));
}

TEST_F(ExportRoutines, FailedJsonFileStillReportsAndWritesTheRemoteModules)
{
    for (const fs::path& target : {Blocked("flash.lgj"), folder / "missing" / "flash.lgj"}) {
        fs::remove(folder / "remote0.lgf");
        const ExportOutcome outcome = RunJsonExport(document, target, codec, 7);
        // Into a missing folder the remote module files fail as well.
        const bool folderExists = target.parent_path() == folder;
        ASSERT_EQ(outcome.failures.size(), folderExists ? 1u : 2u) << target;
        EXPECT_EQ(outcome.failures[0].Path(), target);
        ASSERT_TRUE(outcome.report) << target;
        EXPECT_NE(outcome.report->find(u"Flash:"), std::u16string::npos);
        EXPECT_EQ(fs::exists(folder / "remote0.lgf"), folderExists) << target;
    }
}

TEST_F(ExportRoutines, ReportsAFailingRemoteModuleAfterTheReport)
{
    fs::create_directory(folder / "remote0.lgf");
    const ExportOutcome outcome = RunJsonExport(document, folder / "flash.lgj", codec, 7);
    ASSERT_TRUE(outcome.report);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].Path(), folder / "remote0.lgf");
    EXPECT_EQ(ReadFileBytes(folder / "flash.lgj").front(), 0xEF);
}

TEST_F(ExportRoutines, SimulationFileAndItsFailure)
{
    EXPECT_TRUE(RunSimulationExport(document, folder / "simulation.lgf").Succeeded());
    EXPECT_EQ(ReadFileBytes(folder / "simulation.lgf"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    const ExportOutcome failed = RunSimulationExport(document, folder / "missing" / "s.lgf");
    ASSERT_EQ(failed.failures.size(), 1u);
    EXPECT_EQ(failed.failures[0].ErrorNumber(), ENOENT);
}

// The compile's warnings reach the caller in the outcome, in order, and are
// never shown from inside the export.
TEST_F(ExportRoutines, MessagesAreKeptForTheCallerInOrder)
{
    test::RecordingNotifier shown;
    document.SetNotifier(&shown);
    auto gate = std::make_unique<LogAnd>(Point{2, 0}, document.nextElementId++);
    gate->inputs = {1, 0, 0, 0};
    document.InsertElement(std::move(gate));
    for (const ExportOutcome& outcome : {RunFlashExport(document, folder / "flash.lgf", codec, 7),
                                         RunJsonExport(document, folder / "flash.lgj", codec, 7)}) {
        ASSERT_FALSE(outcome.messages.empty());
        for (const NoticeText& message : outcome.messages)
            EXPECT_EQ(message, (NoticeText{u"There is an unconnected input.", u"Warning!"}));
        EXPECT_TRUE(outcome.report);
    }
    EXPECT_TRUE(shown.Messages().empty());
    EXPECT_EQ(&document.GetNotifier(), &shown);
}

TEST_F(ExportRoutines, TheRemoteModulesGoWhereTheyAreTold)
{
    fs::create_directory(folder / "modules");
    EXPECT_TRUE(
        RunFlashExport(document, folder / "flash.lgf", folder / "modules", codec, 7).Succeeded());
    EXPECT_TRUE(
        RunJsonExport(document, folder / "flash.lgj", folder / "modules", codec, 7).Succeeded());
    EXPECT_EQ(test::SortedFileNames(folder),
              (std::vector<std::string>{"flash.lgf", "flash.lgj", "modules"}));
    EXPECT_EQ(test::SortedFileNames(folder / "modules"), std::vector<std::string>{"remote0.lgf"});
}

// Nothing is put beside a device or a pipe: the working folder takes the
// companion files instead.
TEST(ExportFolder, IsThePathsFolderOrTheCurrentOne)
{
    EXPECT_EQ(ExportFolder("flash.lgf"), fs::path("."));
    EXPECT_EQ(ExportFolder("out/flash.lgf"), fs::path("out"));
    EXPECT_EQ(ExportFolder("/flash.lgf"), fs::path("/"));
    EXPECT_EQ(ExportFolder("/dev/null"), fs::path("."));
    const fs::path pipe = test::FreshTestFolder("export_folder") / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ExportFolder(pipe), fs::path("."));
    EXPECT_EQ(ExportFolder(pipe.parent_path()), pipe.parent_path().parent_path());
}

} // namespace
} // namespace vantrel
