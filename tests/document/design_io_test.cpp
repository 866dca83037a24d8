#include "document/design_io.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class DesignIo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("design_io");
        document.SetNotifier(&notifier);
    }

    void Write(const fs::path& path, const std::string& content)
    {
        std::ofstream(path, std::ios::binary) << content;
    }

    std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path folder;
    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(DesignIo, SaveThenOpenGivesTheSameDesignUnmodified)
{
    document.InsertElement(std::make_unique<LogAnd>(Point{1, 2}, 1));
    document.SetModified(true);
    document.nextElementId = 2;
    ASSERT_TRUE(SaveDesign(document, folder / "a.lgc", codec));
    EXPECT_FALSE(document.IsModified());

    CVantrelDoc reopened;
    ASSERT_EQ(OpenDesign(reopened, folder / "a.lgc", codec), OpenOutcome::Opened);
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(reopened.MainCount(), 1);
    EXPECT_EQ(reopened.nextElementId, 2);
    EXPECT_TRUE(reopened.UndoStack().empty());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(DesignIo, EmptyFileOpensAsAnEmptyDesign)
{
    document.InsertElement(std::make_unique<LogAnd>(Point{1, 2}, 1));
    Write(folder / "empty.lgc", "");
    EXPECT_EQ(OpenDesign(document, folder / "empty.lgc", codec), OpenOutcome::Opened);
    EXPECT_EQ(document.MainCount(), 0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(DesignIo, MissingFileIsReportedAndTheDocumentStaysAsItWas)
{
    document.InsertElement(std::make_unique<LogAnd>(Point{1, 2}, 1));
    const fs::path missing = folder / "missing.lgc";
    EXPECT_EQ(OpenDesign(document, missing, codec), OpenOutcome::CannotRead);
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Vantrel v2: " + missing.string() + " was not found."});
    EXPECT_EQ(document.MainCount(), 1);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DesignIo, DamagedFileLeavesTheDocumentAsItWas)
{
    document.InsertElement(std::make_unique<LogAnd>(Point{1, 2}, 1));
    ASSERT_TRUE(SaveDesign(document, folder / "whole.lgc", codec));
    std::string content = Read(folder / "whole.lgc");
    Write(folder / "cut.lgc", content.substr(0, 40));
    // The open design differs from the file in what its header holds.
    document.speed = 9;
    document.backgroundColour = 0x00ABCDEF;
    document.SetModified(true);
    const std::vector<std::uint8_t> before = DesignBytes(document, u"", codec);
    EXPECT_EQ(OpenDesign(document, folder / "cut.lgc", codec), OpenOutcome::Damaged);
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Vantrel v2: Unexpected file format."});
    EXPECT_EQ(DesignBytes(document, u"", codec), before);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DesignIo, OpeningReplacesTheWholeDesignHistoryIncluded)
{
    CVantrelDoc saved;
    saved.InsertElement(std::make_unique<LogAnd>(Point{4, 4}, 3));
    saved.nextElementId = 4;
    saved.speed = 120;
    ASSERT_TRUE(SaveDesign(saved, folder / "saved.lgc", codec));

    document.PushUndo({UndoRecord::kAdded, {std::make_shared<LogAnd>(Point{1, 2}, 1)}, {}});
    document.InsertElement(std::make_unique<LogAnd>(Point{1, 2}, 1));
    ASSERT_EQ(OpenDesign(document, folder / "saved.lgc", codec), OpenOutcome::Opened);
    EXPECT_EQ(DesignBytes(document, u"", codec), DesignBytes(saved, u"", codec));
    EXPECT_TRUE(document.UndoStack().empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.FindById(1), nullptr);
    EXPECT_NE(document.FindById(3), nullptr);
}

TEST_F(DesignIo, FailedSaveLeavesThePreviousFileByteIdentical)
{
    const fs::path target = folder / "keep.lgc";
    const std::string previous(200, 'p');
    Write(target, previous);
    for (int id = 1; id <= 50; ++id)
        document.InsertElement(std::make_unique<LogAnd>(Point{id, 0}, id));

    // Let the write run out of room half-way: the file size limit stops it
    // with an error like a full disk would.
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = original;
    limited.rlim_cur = 300;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool saved = SaveDesign(document, target, codec);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Read(target), previous);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].rfind("Vantrel v2: " + target.string(), 0), 0u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1); // no temporary file left behind
}

// The message is about the folder, which the user has to make or change,
// not about the file, which a save makes anyway.
TEST_F(DesignIo, SaveIntoAMissingFolderSaysTheFolderIsMissing)
{
    const fs::path target = folder / "no-such-folder" / "x.lgc";
    EXPECT_FALSE(SaveDesign(document, target, codec));
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Vantrel v2: Cannot write " + target.string() +
                                       ": the folder " + (folder / "no-such-folder").string() +
                                       " does not exist. Create it or choose another folder."});
}

} // namespace
} // namespace vantrel
