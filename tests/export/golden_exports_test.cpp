// Every export of two rich designs, byte for byte against the files under
// tests/data/golden/<design>/. A difference is either a fault or a change of
// the program's output; scripts/regenerate_test_data.sh rewrites the files
// for the latter, and the new files are reviewed like code.
#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "support/design_exports.h"
#include "support/fake_image_codec.h"
#include "support/golden_designs.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

TEST(GoldenExports, EveryExportIsTheCommittedFile)
{
    const test::FakeImageCodec codec;
    const fs::path output = test::FreshTestFolder("golden");
    for (const test::GoldenDesign& golden : test::kGoldenDesigns) {
        SCOPED_TRACE(golden.name);
        test::RecordingNotifier notifier;
        CVantrelDoc document(&notifier);
        golden.build(document);
        const fs::path folder = output / golden.name;
        fs::create_directories(folder);
        test::WriteAllExports(document, folder, codec, test::kGoldenRandomNumber);

        const fs::path committed = fs::path(VANTREL_TEST_DATA_DIR) / "golden" / golden.name;
        ASSERT_EQ(test::SortedFileNames(committed), test::ExportFileNames(document));
        for (const std::string& name : test::SortedFileNames(committed)) {
            const auto expected = ReadFileBytes(committed / name);
            const auto actual = ReadFileBytes(folder / name);
            EXPECT_TRUE(actual == expected) << name << "\n" << test::HexDiff(expected, actual);
        }
    }
}

} // namespace
} // namespace vantrel
