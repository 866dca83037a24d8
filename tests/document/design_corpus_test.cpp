// The committed corpus of design files (tests/data/corpus): one design per
// stored version, one newer than the current, and damaged files. Each must
// open with the content its version stores, or fail with the system's own
// message; what opens is sorted and exported without trouble.
#include "archive/archive.h"
#include "archive/file_bytes.h"
#include "compiler/autosort.h"
#include "document/design_io.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "support/corpus_files.h"
#include "support/design_exports.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"
#include "support/versioned_design_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(VANTREL_TEST_DATA_DIR) / "corpus";

constexpr const char* kBadFormat = "Vantrel v2: Unexpected file format.";
constexpr const char* kFailedToOpen = "Vantrel v2: Failed to open document.";
constexpr const char* kFails = "fails";

// The counts of an opened design on one line: the eight element lists
// (main, indirect, register, accumulator, NoOp, constant, timer, comment),
// the other lists, remote I/O and custom modules, page slots and those with
// an image, then the header settings.
std::string Summary(const CVantrelDoc& document)
{
    std::string lists;
    for (const auto& list : document.elements)
        lists += (lists.empty() ? "" : " ") + std::to_string(list.size());
    const auto images = std::ranges::count_if(
        document.pageBackgrounds, [](const EncodedImage& page) { return !page.IsEmpty(); });
    char text[320];
    std::snprintf(text, sizeof text,
                  "lists %s; paint %zu; commands %zu; simulation %zu; remote %zu+%zu; "
                  "pages %zu (%d images); io %d/%d; speed %d; colour %06X",
                  lists.c_str(), document.paintObjects.size(), document.complexCommands.size(),
                  document.simulationElements.size(), document.remoteIo.modules.size(),
                  document.remoteIo.customModules.size(), document.pageBackgrounds.size(),
                  int(images), document.numInputs, document.numOutputs, document.speed,
                  unsigned(document.backgroundColour));
    return text;
}

// Messages counted, "3x Caption: text", in the order of their texts.
std::string Tally(const std::vector<std::string>& messages)
{
    std::map<std::string, int> counts;
    for (const std::string& message : messages)
        ++counts[message];
    std::string tally;
    for (const auto& [message, count] : counts)
        tally += (tally.empty() ? "" : "; ") + std::to_string(count) + "x " + message;
    return tally;
}

struct Expected
{
    const char* file;
    // The summary of the opened design, or kFails.
    const char* outcome;
    // Every message of opening, "Caption: text".
    std::vector<std::string> messages = {};
    // The Tally of the messages of sorting and exporting what opened.
    const char* exportMessages = "";
};

// Compiling for the flash file and again for the JSON export reports each
// unconnected input twice; the complex command naming an input that is no
// user input is corrected once, by the first export.
constexpr const char* kCorrected =
    "1x Error correction: Deleted user inputs removed from complex command.";
// Before version 6 the inputs meant for numbers have nothing to name.
constexpr const char* kNoNumbers = "16x Warning!: There is an unconnected input.";
constexpr const char* kCorrectedNoNumbers =
    "1x Error correction: Deleted user inputs removed from complex command.; "
    "16x Warning!: There is an unconnected input.";

// The versions add their blocks one by one: header colour (2), complex
// commands (3), indirect list (4), numeric lists (6), NoOp list (8), speed
// (9), page image (10), simulation (12), curves kept (13), remote I/O (14)
// with custom modules (block version 2, in 15), timers (17), page slots (19).
const Expected kExpected[] = {
    {"design_v00.lgc",
     "lists 31 0 0 0 0 0 0 2; paint 7; commands 0; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour FFFFFF",
     {},
     kNoNumbers},
    {"design_v01.lgc",
     "lists 31 0 0 0 0 0 0 2; paint 7; commands 0; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour FFFFFF",
     {},
     kNoNumbers},
    {"design_v02.lgc",
     "lists 31 0 0 0 0 0 0 2; paint 7; commands 0; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kNoNumbers},
    {"design_v03.lgc",
     "lists 31 0 0 0 0 0 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kCorrectedNoNumbers},
    {"design_v04.lgc",
     "lists 31 6 0 0 0 0 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kCorrectedNoNumbers},
    {"design_v05.lgc",
     "lists 31 6 0 0 0 0 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kCorrectedNoNumbers},
    {"design_v06.lgc",
     "lists 31 6 6 2 0 2 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kCorrected},
    {"design_v07.lgc",
     "lists 31 6 6 2 0 2 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kCorrected},
    {"design_v08.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 64; colour 123456",
     {},
     kCorrected},
    {"design_v09.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v10.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v11.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 7; commands 3; simulation 0; remote 0+0; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v12.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 7; commands 3; simulation 2; remote 0+0; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v13.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 8; commands 3; simulation 2; remote 0+0; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v14.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 8; commands 3; simulation 2; remote 2+0; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v15.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v16.lgc",
     "lists 31 6 6 2 2 2 0 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v17.lgc",
     "lists 31 6 6 2 2 2 1 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v18.lgc",
     "lists 31 6 6 2 2 2 1 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 1 (1 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"design_v19.lgc",
     "lists 31 6 6 2 2 2 1 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 3 (2 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    // A newer version reads like the current one.
    {"design_v25.lgc",
     "lists 31 6 6 2 2 2 1 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 3 (2 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},

    {"damaged_truncated_header.lgc", kFails, {kBadFormat}},
    {"damaged_truncated_in_elements.lgc", kFails, {kBadFormat}},
    {"damaged_truncated_page_image.lgc", kFails, {kBadFormat}},
    {"damaged_unknown_class.lgc", kFails, {kBadFormat}},
    {"damaged_class_name_too_long.lgc", kFails, {kBadFormat}},
    {"damaged_bad_schema.lgc", kFails, {kBadFormat}},
    {"damaged_reference_out_of_range.lgc", kFails, {kBadFormat}},
    {"damaged_reference_to_class.lgc", kFails, {kBadFormat}},
    // One object in two places would have two owners.
    {"damaged_object_listed_twice.lgc", kFails, {kBadFormat}},
    {"damaged_paint_object_in_main_list.lgc", kFails, {kBadFormat}},
    {"damaged_list_longer_than_file.lgc", kFails, {kBadFormat}},
    {"damaged_huge_count_prefix.lgc", kFails, {kBadFormat}},
    // An over-long text is the archive's generic failure, not a format one.
    {"damaged_text_length_huge.lgc", kFails, {kFailedToOpen}},
    {"damaged_text_cut_short.lgc", kFails, {kBadFormat}},
    {"damaged_logged_ids_count_huge.lgc", kFails, {kBadFormat}},
    {"damaged_negative_command_count.lgc", kFails, {kBadFormat}},
    {"damaged_simulation_slot_count_huge.lgc", kFails, {kBadFormat}},
    {"damaged_remote_module_count_huge.lgc", kFails, {kBadFormat}},
    {"damaged_page_count_huge.lgc", kFails, {kBadFormat}},
    {"damaged_negative_page_length.lgc", kFails, {kBadFormat}},
    {"damaged_legacy_background_negative.lgc", kFails, {kBadFormat}},
    {"damaged_legacy_background_too_big.lgc", kFails, {kBadFormat}},
    {"damaged_garbage.lgc", kFails, {kBadFormat}},

    // Damage that leaves a usable design.
    {"damaged_empty_file.lgc", "lists 0 0 0 0 0 0 0 0; paint 0; commands 0; simulation 0; "
                               "remote 0+0; pages 1 (0 images); io 32/32; speed 64; colour FFFFFF"},
    {"damaged_trailing_bytes.lgc",
     "lists 31 6 6 2 2 2 1 2; paint 8; commands 3; simulation 2; remote 2+3; "
     "pages 3 (2 images); io 40/48; speed 50; colour 123456",
     {},
     kCorrected},
    {"damaged_misplaced_indirect_elements.lgc",
     "lists 2 1 0 0 0 0 0 0; paint 0; commands 0; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 32/32; speed 64; colour FFFFFF",
     {"Error: Replicator in the wrong place", "Error: Replicator in the wrong place",
      "Error: Duplicate index", "Error: Duplicate index"},
     "4x Warning!: There is an unconnected input."},
    {"damaged_null_entries.lgc",
     "lists 1 0 0 0 0 0 0 0; paint 1; commands 0; simulation 0; "
     "remote 0+0; pages 1 (0 images); io 32/32; speed 64; colour FFFFFF",
     {},
     "2x Warning!: There is an unconnected input."},
    {"damaged_undecodable_page.lgc",
     "lists 0 0 0 0 0 0 0 0; paint 0; commands 0; simulation 0; remote 0+0; "
     "pages 2 (0 images); io 32/32; speed 64; colour FFFFFF",
     {"Warning!: These pages lost their background image, which is not an image file: 1"}},
    {"damaged_page_block_without_slots.lgc",
     "lists 0 0 0 0 0 0 0 0; paint 0; commands 0; simulation 0; remote 0+0; "
     "pages 1 (0 images); io 32/32; speed 64; colour FFFFFF"},
    {"damaged_dangling_inputs.lgc",
     "lists 3 0 0 0 0 0 0 0; paint 0; commands 0; simulation 0; "
     "remote 0+0; pages 1 (0 images); io 32/32; speed 64; colour FFFFFF",
     {},
     "4x Warning!: There is an unconnected input.; 1x Warning: Autosort incomplete due to loops: "
     "1"},
    {"damaged_out_of_range_values.lgc",
     "lists 7 0 0 0 1 0 0 0; paint 1; commands 1; simulation 1; remote 1+1; "
     "pages 1 (0 images); io -8/100000; speed 1000; colour FFFFFF"},
};

TEST(DesignCorpus, EveryFileHasItsExpectedOutcome)
{
    std::vector<std::string> listed;
    for (const Expected& expected : kExpected)
        listed.emplace_back(expected.file);
    std::ranges::sort(listed);
    EXPECT_EQ(listed, test::SortedFileNames(kCorpus));
}

TEST(DesignCorpus, FilesOpenOrFailWithTheSystemsMessage)
{
    const test::FakeImageCodec codec;
    for (const Expected& expected : kExpected) {
        SCOPED_TRACE(expected.file);
        test::RecordingNotifier notifier;
        CVantrelDoc document(&notifier);
        const OpenOutcome outcome = OpenDesign(document, kCorpus / expected.file, codec);
        const bool opened = outcome == OpenOutcome::Opened;
        EXPECT_EQ(opened ? Summary(document) : kFails, expected.outcome);
        EXPECT_EQ(notifier.Messages(), expected.messages);
        if (!opened) { // the document as it was, never a half-loaded one
            EXPECT_EQ(outcome, OpenOutcome::Damaged);
            EXPECT_EQ(document.MainCount(), 0);
        }
        EXPECT_FALSE(document.IsModified());
    }
}

// What opens is usable: sorting and every export run and write their files.
TEST(DesignCorpus, OpenedFilesSortAndExport)
{
    const test::FakeImageCodec codec;
    const fs::path output = test::FreshTestFolder("corpus");
    for (const Expected& expected : kExpected) {
        if (expected.outcome == std::string(kFails))
            continue;
        SCOPED_TRACE(expected.file);
        test::RecordingNotifier notifier;
        CVantrelDoc document(&notifier);
        ASSERT_EQ(OpenDesign(document, kCorpus / expected.file, codec), OpenOutcome::Opened);
        notifier.Clear();
        AutoSort(document);
        const fs::path folder = output / fs::path(expected.file).stem();
        fs::create_directories(folder);
        const std::u16string reports = test::WriteAllExports(document, folder, codec, 0);
        EXPECT_FALSE(reports.empty());
        EXPECT_EQ(Tally(notifier.Messages()), expected.exportMessages);
        EXPECT_EQ(test::SortedFileNames(folder), test::ExportFileNames(document));
    }
}

// Each design read from an older version holds what that version stores
// and no more: saved again, it is the current version of that content,
// written by hand.
TEST(DesignCorpus, OlderVersionsSaveAsTheirContentInTheCurrentLayout)
{
    const test::FakeImageCodec codec;
    for (std::int32_t version : test::CorpusVersions()) {
        SCOPED_TRACE(test::CorpusFileName(version));
        test::RecordingNotifier notifier;
        CVantrelDoc document(&notifier);
        ASSERT_EQ(OpenDesign(document, kCorpus / test::CorpusFileName(version), codec),
                  OpenOutcome::Opened);
        const test::StoredDesign expected = test::AsLoaded(test::CorpusDesign(version), version);
        if (version < 16)
            document.designStamp = expected.designStamp; // not stored: the time of loading
        std::vector<std::uint8_t> saved;
        CArchive ar(StoreTo, saved, SystemClasses());
        document.Serialize(ar, codec, ImageFormat::Png);
        const auto written = test::WriteDesignFile(expected, CVantrelDoc::kDesignVersion);
        EXPECT_TRUE(saved == written) << test::HexDiff(written, saved);
    }
}

// The committed files are what the generators make; after a change to them
// scripts/regenerate_test_data.sh rewrites the corpus.
TEST(DesignCorpus, CommittedFilesAreCurrent)
{
    for (const test::CorpusFile& file : test::CorpusFiles()) {
        SCOPED_TRACE(file.name);
        const auto committed = ReadFileBytes(kCorpus / file.name);
        EXPECT_TRUE(committed == file.bytes) << test::HexDiff(file.bytes, committed);
    }
}

} // namespace
} // namespace vantrel
