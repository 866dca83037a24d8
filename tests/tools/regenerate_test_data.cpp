// Rewrites the design file corpus and the golden export files under the
// given tests/data folder (scripts/regenerate_test_data.sh runs it).
#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "support/corpus_files.h"
#include "support/design_exports.h"
#include "support/fake_image_codec.h"
#include "support/golden_designs.h"

#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;

// Replaces the folder's content: files the generators no longer make must
// not stay behind as if they were still checked.
fs::path EmptiedFolder(const fs::path& folder)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void WriteCorpus(const fs::path& folder)
{
    for (const auto& file : vantrel::test::CorpusFiles())
        vantrel::WriteFileAtomically(folder / file.name, file.bytes);
}

void WriteGoldenFiles(const fs::path& folder)
{
    const vantrel::test::FakeImageCodec codec;
    for (const auto& golden : vantrel::test::kGoldenDesigns) {
        vantrel::CVantrelDoc document;
        golden.build(document);
        vantrel::test::WriteAllExports(document, EmptiedFolder(folder / golden.name), codec,
                                       vantrel::test::kGoldenRandomNumber);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vantrel_test_data TESTS_DATA_FOLDER\n";
        return 2;
    }
    const fs::path data = argv[1];
    try {
        WriteCorpus(EmptiedFolder(data / "corpus"));
        WriteGoldenFiles(EmptiedFolder(data / "golden"));
    } catch (const std::exception& failure) {
        std::cerr << "vantrel_test_data: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
