// The exports only read the design. What the file they write corrects in it
// (paint links resolved, complex commands without deleted user inputs) the
// caller stores afterwards, as one undoable step, so that the design saved
// after an export is the one it always was.
#include "archive/archive.h"
#include "archive/file_bytes.h"
#include "compiler/flash_image.h"
#include "document/design_io.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "export/export_routines.h"
#include "export/flash_export.h"
#include "export/json_export.h"
#include "support/design_exports.h"
#include "support/fake_image_codec.h"
#include "support/golden_designs.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// Every export binds only to a function that takes the design as const.
[[maybe_unused]] constexpr std::vector<std::uint8_t> (*kCompile)(const CVantrelDoc&, std::int32_t,
                                                                 Notifier&) = &Compile;
[[maybe_unused]] constexpr FlashFileContent (*kBuildFlashFile)(const CVantrelDoc&,
                                                               const ImageCodec&, std::int32_t,
                                                               Notifier&) = &BuildFlashFile;
[[maybe_unused]] constexpr FlashFileContent (*kWriteFlashFile)(const CVantrelDoc&, const fs::path&,
                                                               const ImageCodec&, std::int32_t,
                                                               Notifier&) = &WriteFlashFile;
[[maybe_unused]] constexpr JsonExportContent (*kWriteJsonExport)(const CVantrelDoc&, std::ostream&,
                                                                 const ImageCodec&, std::int32_t,
                                                                 Notifier&) = &WriteJsonExport;
using ExportRun = ExportOutcome (*)(const CVantrelDoc&, const fs::path&, const ImageCodec&,
                                    std::int32_t);
constexpr ExportRun kRunFlashExport = &RunFlashExport;
constexpr ExportRun kRunJsonExport = &RunJsonExport;

std::vector<std::uint8_t> FromBase64(const std::string& text)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::vector<std::uint8_t> bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        const std::size_t value = alphabet.find(c);
        if (value == std::string::npos)
            break; // the padding
        bits = (bits << 6) | std::uint32_t(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(std::uint8_t(bits >> count));
        }
    }
    return bytes;
}

// The design file the committed JSON export of a golden design embeds: the
// design as the exports before this one left it, page images as JPEG.
std::vector<std::uint8_t> CommittedSource(const char* design)
{
    const auto json =
        ReadFileBytes(fs::path(VANTREL_TEST_DATA_DIR) / "golden" / design / "flash.lgj");
    const std::string text(json.begin(), json.end());
    const std::string key = R"("source":")";
    const std::size_t start = text.find(key) + key.size();
    return FromBase64(text.substr(start, text.find('"', start) - start));
}

std::vector<std::uint8_t> StoredWithJpegPages(CVantrelDoc& document, const ImageCodec& codec)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, codec, ImageFormat::Jpeg);
    return bytes;
}

class ExportCorrections : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        // Paint bound to the logic with unresolved links, and a command
        // with a setting for element 13, which is no user input.
        test::BuildPlant(document);
        document.SetModified(false);
    }

    std::vector<std::uint8_t> Saved() { return DesignBytes(document, u"", codec); }

    fs::path folder = test::FreshTestFolder("export_corrections");
    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
    std::vector<LogElement*> selection;
};

// The committed files were written by exports that stored their corrections
// in the design themselves; the JSON file holds the design as it was then.
TEST_F(ExportCorrections, AfterTheExportsTheDesignIsTheOneTheCommittedFilesHold)
{
    for (const test::GoldenDesign& golden : test::kGoldenDesigns) {
        SCOPED_TRACE(golden.name);
        CVantrelDoc exported(&notifier);
        golden.build(exported);
        test::WriteAllExports(exported, folder, codec, test::kGoldenRandomNumber);
        EXPECT_EQ(StoredWithJpegPages(exported, codec), CommittedSource(golden.name));
    }
}

TEST_F(ExportCorrections, StoredAsOneUndoStepOnlyOnceTheFileIsWrittenAndOnlyWhenNeeded)
{
    const std::vector<std::uint8_t> before = Saved();
    for (ExportRun run : {kRunFlashExport, kRunJsonExport}) {
        fs::create_directory(folder / "blocked");
        const ExportOutcome failed = run(std::as_const(document), folder / "blocked", codec, 7);
        ASSERT_FALSE(failed.Succeeded());
        StoreCorrections(document, failed.corrections);
        EXPECT_EQ(Saved(), before);
        EXPECT_FALSE(document.IsModified());
        EXPECT_TRUE(document.UndoStack().empty());
    }

    const ExportOutcome written =
        RunFlashExport(std::as_const(document), folder / "f.lgf", codec, 7);
    ASSERT_TRUE(written.Succeeded());
    EXPECT_EQ(Saved(), before) << "the export itself only reads";
    EXPECT_EQ(std::ranges::count(written.messages,
                                 NoticeText{u"Deleted user inputs removed from complex command.",
                                            u"Error correction"}),
              1);
    StoreCorrections(document, written.corrections);
    const std::vector<std::uint8_t> corrected = Saved();
    EXPECT_NE(corrected, before);
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(document.UndoStack().size(), 1u);

    // Exported again, the design needs no correction: no step, no message.
    const ExportOutcome again = RunFlashExport(std::as_const(document), folder / "f.lgf", codec, 7);
    EXPECT_TRUE(again.messages.empty());
    StoreCorrections(document, again.corrections);
    EXPECT_EQ(document.UndoStack().size(), 1u);
    EXPECT_EQ(Saved(), corrected);

    document.Undo(selection);
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(ExportCorrections, ExportFlashFileStoresTheCorrectionsOfTheFileItWrote)
{
    ExportFlashFile(document, folder / "f.lgf", codec, 7);
    const FlashFileContent built = BuildFlashFile(document, codec, 7);
    EXPECT_EQ(ReadFileBytes(folder / "f.lgf"), built.bytes);
    // Built again from the corrected design, the file has nothing to correct.
    const std::vector<std::uint8_t> corrected = Saved();
    StoreCorrections(document, built.corrections);
    EXPECT_EQ(Saved(), corrected);
    EXPECT_EQ(document.UndoStack().size(), 1u);
}

} // namespace
} // namespace vantrel
